#include "frame/bus_service.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

#include <string>
#include <vector>

namespace frame {

namespace {

// A frame that has just claimed the name answers once its window is up.
constexpr int kAnswerTimeoutMs = 10000;

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

bool BusService::claimName()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    // The object first: a call that comes as soon as the name is ours waits
    // in the queue for it, and is answered once the event loop runs.
    if (!bus.registerObject(QString::fromLatin1(kBusPath), this,
                            QDBusConnection::ExportScriptableSlots))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QString::fromLatin1(kBusName),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return true;
    bus.unregisterObject(QString::fromLatin1(kBusPath));
    return false;
}

void BusService::Open(const QString& category, const QString& unit, const QString& value,
                      const QString& target)
{
    // Read as the command line is, so that both refuse the same names.
    std::vector<std::string> words{"--open", utf8(category)};
    for (const auto& [option, text] :
         {std::pair{"--unit", &unit}, std::pair{"--value", &value}, std::pair{"--to", &target}})
        if (!text->isEmpty()) words.insert(words.end(), {option, utf8(*text)});
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    const ParsedStart parsed = parseStartArguments(arguments);
    if (!parsed.request) {
        if (calledFromDBus())
            sendErrorReply(QStringLiteral("org.tabrix.Tabrix.Error.BadName"),
                           QString::fromStdString(parsed.error).trimmed());
        return;
    }
    emit requested(*parsed.request);
}

void BusService::Find(const QString& query)
{
    StartRequest request;
    request.kind = StartRequest::Kind::Find;
    request.query = utf8(query);
    emit requested(request);
}

bool handOff(const StartRequest& request)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || request.kind == StartRequest::Kind::Frame) return false;
    QDBusMessage call;
    const auto method = [](const char* name) {
        return QDBusMessage::createMethodCall(
            QString::fromLatin1(kBusName), QString::fromLatin1(kBusPath),
            QString::fromLatin1(kBusName), QString::fromLatin1(name));
    };
    if (request.kind == StartRequest::Kind::Find) {
        call = method("Find");
        call << QString::fromStdString(request.query);
    } else {
        // Units go by number: the name given may need the table to be read.
        const UnitRequest& open = request.open;
        const auto number = [](int unit) { return unit ? QString::number(unit) : QString(); };
        call = method("Open");
        call << QString::fromUtf8(open.table->caption.data(), qsizetype(open.table->caption.size()))
             << number(open.unit) << QString::fromStdString(open.value.value_or(std::string()))
             << number(open.target);
    }
    const QDBusMessage reply = bus.call(call, QDBus::Block, kAnswerTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace frame
