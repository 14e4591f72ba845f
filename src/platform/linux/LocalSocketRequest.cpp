#include "platform/linux/LocalSocketRequest.h"

#include "platform/linux/LocalSocketChannel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <unistd.h>

namespace vespera {

namespace {

QJsonObject request(const CommandLine& command) {
    switch (command.command) {
    case RemoteCommand::Arm:
        return {{QStringLiteral("command"), QStringLiteral("Arm")}};
    case RemoteCommand::Disarm:
        return {{QStringLiteral("command"), QStringLiteral("Disarm")}};
    case RemoteCommand::Action:
        return {{QStringLiteral("command"), QStringLiteral("SetAction")},
                {QStringLiteral("value"), command.actionName}};
    case RemoteCommand::Period:
        return {{QStringLiteral("command"), QStringLiteral("SetPeriod")},
                {QStringLiteral("value"), command.periodSeconds}};
    default:
        return {{QStringLiteral("command"), QStringLiteral("Status")}};
    }
}

// The answer line, once the copy has written all of it; empty when it does not in time.
QByteArray answerLine(QLocalSocket& socket) {
    while (!socket.canReadLine() && socket.bytesAvailable() <= LocalSocketChannel::LineLimit &&
           socket.waitForReadyRead(LocalSocketChannel::AnswerTimeoutMs)) {
    }
    return socket.canReadLine() ? socket.readLine(LocalSocketChannel::LineLimit) : QByteArray();
}

} // namespace

std::optional<RemoteStatus> askOverLocalSocket(const CommandLine& command) {
    const FolderDescriptor folder = FolderDescriptor::userRuntime();
    if (folder.descriptor() < 0)
        return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(LocalSocketChannel::addressIn(folder));
    if (!socket.waitForConnected(LocalSocketChannel::AnswerTimeoutMs) ||
        LocalSocketChannel::peerUser(socket.socketDescriptor()) != ::getuid())
        return std::nullopt;
    socket.write(QJsonDocument(request(command)).toJson(QJsonDocument::Compact) + '\n');
    socket.flush();
    const QJsonObject answer = QJsonDocument::fromJson(answerLine(socket)).object();
    if (answer.isEmpty() || answer.contains(QStringLiteral("error")))
        return std::nullopt;
    RemoteStatus status;
    status.armed = answer.value(QStringLiteral("armed")).toBool();
    status.statusLine = answer.value(QStringLiteral("statusLine")).toString();
    status.lastResetLine = answer.value(QStringLiteral("lastResetLine")).toString();
    return status;
}

} // namespace vespera
