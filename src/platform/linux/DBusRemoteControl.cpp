// The remote control over the session bus, or over a local socket where none runs: the running copy's
// service and a later start's requests.
#include "platform/RemoteControl.h"

#include "platform/linux/DBusRemoteService.h"
#include "platform/linux/LocalSocketRemoteService.h"
#include "platform/linux/LocalSocketRequest.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace vespera {

namespace {

constexpr int AnswerTimeoutMs = 10000;

QDBusMessage call(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage request =
        QDBusMessage::createMethodCall(RemoteServiceName, RemoteObjectPath, RemoteInterfaceName, method);
    request.setArguments(arguments);
    return QDBusConnection::sessionBus().call(request, QDBus::Block, AnswerTimeoutMs);
}

// Makes a command's change in the running copy and returns the answer; a question changes nothing.
QDBusMessage change(const CommandLine& command) {
    switch (command.command) {
    case RemoteCommand::Arm:
        return call(QStringLiteral("Arm"));
    case RemoteCommand::Disarm:
        return call(QStringLiteral("Disarm"));
    case RemoteCommand::Action:
        return call(QStringLiteral("SetAction"), {command.actionName});
    case RemoteCommand::Period:
        return call(QStringLiteral("SetPeriod"), {command.periodSeconds});
    default:
        return QDBusMessage();
    }
}

} // namespace

std::unique_ptr<QObject> offerRemoteControl(RemoteTarget& target, QString& problem) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::unique_ptr<QObject> socket = LocalSocketRemoteService::listen(target, problem);
        if (!socket)
            problem = QStringLiteral("%1; %2").arg(bus.lastError().message(), problem);
        return socket;
    }
    auto service = std::make_unique<DBusRemoteService>(target);
    if (!bus.registerObject(RemoteObjectPath, service.get(), QDBusConnection::ExportAllSlots) ||
        !bus.registerService(RemoteServiceName)) {
        problem = bus.lastError().message();
        bus.unregisterObject(RemoteObjectPath);
        return nullptr;
    }
    return service;
}

std::optional<RemoteStatus> sendToRunningCopy(const CommandLine& command) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(RemoteServiceName).value())
        return askOverLocalSocket(command);
    if (change(command).type() == QDBusMessage::ErrorMessage)
        return std::nullopt;
    const QDBusMessage answer = call(QStringLiteral("Status"));
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().size() != 3)
        return std::nullopt;
    RemoteStatus status;
    status.armed = answer.arguments().at(0).toBool();
    status.statusLine = answer.arguments().at(1).toString();
    status.lastResetLine = answer.arguments().at(2).toString();
    return status;
}

} // namespace vespera
