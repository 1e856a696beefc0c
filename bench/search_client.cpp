// Times the desktop search's service from a client already on the bus, as
// GNOME Shell or KRunner is: the first GetInitialResultSet, which the bus
// answers by starting the service, then the same query again. Prints both in
// milliseconds, and the number of ids of each answer.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // A plain message: QDBusInterface would ask the service for its interface
    // first, which starts it before the clock does.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.tabrix.Tabrix.Search"), QStringLiteral("/org/tabrix/Tabrix/Search"),
        QStringLiteral("org.gnome.Shell.SearchProvider2"), QStringLiteral("GetInitialResultSet"));
    call << QStringList{QStringLiteral("5"), QStringLiteral("km")};
    double ms[2] = {};
    qsizetype ids[2] = {};
    for (int i = 0; i < 2; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QDBusReply<QStringList> reply = QDBusConnection::sessionBus().call(call);
        ms[i] = double(timer.nsecsElapsed()) / 1e6;
        if (!reply.isValid()) {
            std::fprintf(stderr, "%s\n", qPrintable(reply.error().message()));
            return 1;
        }
        ids[i] = reply.value().size();
    }
    std::printf("%.2f %.2f %lld %lld\n", ms[0], ms[1], static_cast<long long>(ids[0]),
                static_cast<long long>(ids[1]));
    return 0;
}
