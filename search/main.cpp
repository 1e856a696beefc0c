#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "search/search_service.h"
#include "tabrix/version.h"

namespace {

constexpr const char* kService = "org.tabrix.Tabrix.Search";
constexpr const char* kPath = "/org/tabrix/Tabrix/Search";
// A desktop search asks again on every keystroke, and the next search may be
// hours away: a minute without a query ends the service, and the bus starts
// it again for the next one.
constexpr std::chrono::seconds kIdleTime{60};

constexpr const char* kHelp =
    "Usage: tabrix-search [--help | --version]\n"
    "\n"
    "Answers unit conversions such as \"5 km in mi\" in the desktop's own search:\n"
    "the session bus starts it as org.tabrix.Tabrix.Search for GNOME Shell and\n"
    "KRunner, and it ends after a minute without a query.\n";

}  // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tabrix-search %s\n", tabrix::kVersion);
            return 0;
        }
        std::fputs(kHelp, std::strcmp(argv[i], "--help") == 0 ? stdout : stderr);
        return std::strcmp(argv[i], "--help") == 0 ? 0 : 2;
    }

    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("tabrix-search: no session bus\n", stderr);
        return 1;
    }
    search::registerDBusTypes();
    // The desktop program is installed beside this service, in the place the
    // build gave it relative to ours.
    const QString program = QDir(QCoreApplication::applicationDirPath())
                                .absoluteFilePath(QStringLiteral(TABRIX_PROGRAM_FROM_SEARCH));
    search::SearchService service(kIdleTime, QDir::cleanPath(program));
    new search::ShellSearchAdaptor(&service);
    new search::RunnerAdaptor(&service);
    QObject::connect(&service, &search::SearchService::idle, &app, &QCoreApplication::quit);
    // A session that ends takes its bus along, and nobody can ask any more.
    // QtDBus names a bus signal's slot only by its signature.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), &app,
                SLOT(quit()));
    // The object first: a call may arrive as soon as the name is ours.
    if (!bus.registerObject(QString::fromLatin1(kPath), &service,
                            QDBusConnection::ExportAdaptors) ||
        !bus.registerService(QString::fromLatin1(kService))) {
        std::fprintf(stderr, "tabrix-search: %s is taken on the session bus\n", kService);
        return 1;
    }
    return QCoreApplication::exec();
}
