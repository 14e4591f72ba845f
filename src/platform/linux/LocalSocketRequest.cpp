#include "platform/linux/LocalSocketRequest.h"

#include "platform/linux/LocalSocketChannel.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cerrno>

#include <poll.h>
#include <sys/socket.h>
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

// Sends all of the bytes; a copy that went away makes it fail rather than end this one.
bool sendAll(int socket, const QByteArray& bytes) {
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t wrote = ::send(socket, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (wrote < 0 && errno != EINTR)
            return false;
        sent += std::max<ssize_t>(wrote, 0);
    }
    return true;
}

// The answer line, once the copy has written all of it; empty when it does not in time, ends first or
// writes more than a line may hold.
QByteArray answerLine(int socket) {
    const QDeadlineTimer deadline(LocalSocketChannel::AnswerTimeoutMs);
    QByteArray received;
    std::array<char, 4096> chunk;
    while (received.size() < LocalSocketChannel::LineLimit && !received.contains('\n')) {
        pollfd ready{socket, POLLIN, 0};
        const int waited = ::poll(&ready, 1, static_cast<int>(deadline.remainingTime()));
        if (waited < 0 && errno == EINTR)
            continue;
        if (waited <= 0)
            return {};
        const qsizetype room = LocalSocketChannel::LineLimit - received.size();
        const ssize_t got = ::read(socket, chunk.data(), std::min<qsizetype>(chunk.size(), room));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {};
        received.append(chunk.data(), got);
    }
    const qsizetype end = received.indexOf('\n');
    return end < 0 ? QByteArray() : received.left(end);
}

// The request sent and the answer line read, to the copy at the other end if it is the user's own.
QByteArray exchange(int socket, const CommandLine& command) {
    if (LocalSocketChannel::peerUser(socket) != ::getuid() ||
        !sendAll(socket, QJsonDocument(request(command)).toJson(QJsonDocument::Compact) + '\n'))
        return {};
    return answerLine(socket);
}

} // namespace

std::optional<RemoteStatus> askOverLocalSocket(const CommandLine& command) {
    const FolderDescriptor folder = FolderDescriptor::userRuntime();
    if (folder.descriptor() < 0)
        return std::nullopt;
    const int socket = LocalSocketChannel::connectTo(LocalSocketChannel::addressIn(folder),
                                                     LocalSocketChannel::AnswerTimeoutMs);
    if (socket < 0)
        return std::nullopt;
    const QByteArray line = exchange(socket, command);
    ::close(socket);
    const QJsonObject answer = QJsonDocument::fromJson(line).object();
    if (answer.isEmpty() || answer.contains(QStringLiteral("error")))
        return std::nullopt;
    RemoteStatus status;
    status.armed = answer.value(QStringLiteral("armed")).toBool();
    status.statusLine = answer.value(QStringLiteral("statusLine")).toString();
    status.lastResetLine = answer.value(QStringLiteral("lastResetLine")).toString();
    return status;
}

} // namespace vespera
