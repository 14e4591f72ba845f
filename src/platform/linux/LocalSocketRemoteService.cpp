#include "platform/linux/LocalSocketRemoteService.h"

#include "app/CommandLine.h"
#include "platform/linux/LocalSocketChannel.h"
#include "platform/linux/LocalSocketConnection.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vespera {

namespace {

constexpr int ProbeTimeoutMs = 1000;
// How long taking connections pauses when the system has no room for another one.
constexpr int AcceptPauseMs = 1000;

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether a copy answers at the address; a file left by a copy that ended refuses the connection.
bool answered(const QString& address) {
    const int probe = LocalSocketChannel::connectTo(address, ProbeTimeoutMs);
    if (probe >= 0)
        ::close(probe);
    return probe >= 0;
}

// A listening socket bound under a name of its own, given mode 0600 and only then moved to the
// socket's name, over any file left there: no moment in which others could connect.
int listeningSocket(const FolderDescriptor& folder, QString& problem) {
    const QString temporary = QStringLiteral("%1.%2").arg(LocalSocketChannel::FileName).arg(::getpid());
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const sockaddr_un where =
        LocalSocketChannel::socketAddress(LocalSocketChannel::addressIn(folder, temporary));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ::unlinkat(folder.descriptor(), temporaryName.constData(), 0);
    const bool ready = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0 &&
                       ::fchmodat(folder.descriptor(), temporaryName.constData(), 0600, 0) == 0 &&
                       ::listen(fd, SOMAXCONN) == 0 &&
                       ::renameat(folder.descriptor(), temporaryName.constData(), folder.descriptor(),
                                  QFile::encodeName(LocalSocketChannel::FileName).constData()) == 0;
    if (ready)
        return fd;
    problem = QStringLiteral("The socket \"%1\" cannot be made: %2")
                  .arg(QDir(folder.path()).filePath(LocalSocketChannel::FileName), systemError());
    ::unlinkat(folder.descriptor(), temporaryName.constData(), 0);
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace

LocalSocketRemoteService::LocalSocketRemoteService(RemoteTarget& target, FolderDescriptor folder,
                                                   int listener)
    : target_(target), folder_(std::move(folder)), listener_(listener),
      incoming_(std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read)) {
    connect(incoming_.get(), &QSocketNotifier::activated, this, &LocalSocketRemoteService::acceptConnections);
}

std::unique_ptr<LocalSocketRemoteService> LocalSocketRemoteService::listen(RemoteTarget& target,
                                                                           QString& problem) {
    FolderDescriptor folder = FolderDescriptor::userRuntime();
    if (folder.descriptor() < 0) {
        problem = folder.problem();
        return nullptr;
    }
    if (answered(LocalSocketChannel::addressIn(folder))) {
        problem = QStringLiteral("Another copy answers on \"%1\"")
                      .arg(QDir(folder.path()).filePath(LocalSocketChannel::FileName));
        return nullptr;
    }
    const int fd = listeningSocket(folder, problem);
    if (fd < 0)
        return nullptr;
    std::unique_ptr<LocalSocketRemoteService> service(
        new LocalSocketRemoteService(target, std::move(folder), fd));
    struct stat file {};
    if (::fstatat(service->folder_.descriptor(), QFile::encodeName(LocalSocketChannel::FileName).constData(),
                  &file, AT_SYMLINK_NOFOLLOW) == 0) {
        service->fileDevice_ = file.st_dev;
        service->fileNode_ = file.st_ino;
    }
    return service;
}

// The socket file goes with the copy, unless a later copy has put its own in its place.
LocalSocketRemoteService::~LocalSocketRemoteService() {
    incoming_.reset();
    ::close(listener_);
    const QByteArray name = QFile::encodeName(LocalSocketChannel::FileName);
    struct stat file {};
    if (::fstatat(folder_.descriptor(), name.constData(), &file, AT_SYMLINK_NOFOLLOW) == 0 &&
        file.st_dev == fileDevice_ && file.st_ino == fileNode_)
        ::unlinkat(folder_.descriptor(), name.constData(), 0);
}

// Takes every connection waiting; those of other users are closed unanswered.
void LocalSocketRemoteService::acceptConnections() {
    for (;;) {
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0 && (errno == EINTR || errno == ECONNABORTED))
            continue;
        if (connection < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            incoming_->setEnabled(false);
            QTimer::singleShot(AcceptPauseMs, incoming_.get(), [this] { incoming_->setEnabled(true); });
        }
        if (connection < 0)
            return;
        if (LocalSocketChannel::peerUser(connection) != ::getuid())
            ::close(connection);
        else
            new LocalSocketConnection(
                connection, [this](const QByteArray& line) { return answerLine(line); }, this);
    }
}

QByteArray LocalSocketRemoteService::answerLine(const QByteArray& requestLine) {
    const QJsonObject request = QJsonDocument::fromJson(requestLine).object();
    return QJsonDocument(answer(request)).toJson(QJsonDocument::Compact) + '\n';
}

QJsonObject LocalSocketRemoteService::answer(const QJsonObject& request) {
    const QString command = request.value(QStringLiteral("command")).toString();
    const QJsonValue value = request.value(QStringLiteral("value"));
    if (command == u"Arm" || command == u"Disarm") {
        target_.setArmed(command == u"Arm");
    } else if (command == u"SetAction") {
        const QString name = storedActionName(value.toString());
        if (name.isEmpty())
            return {{QStringLiteral("error"), QStringLiteral("unknown action: %1").arg(value.toString())}};
        target_.setAction(name);
    } else if (command == u"SetPeriod") {
        const int seconds = value.toInt(-1);
        if (!periodAccepted(seconds))
            return {{QStringLiteral("error"), QStringLiteral("invalid period")}};
        target_.setPeriod(seconds);
    } else if (command != u"Status") {
        return {{QStringLiteral("error"), QStringLiteral("unknown request: %1").arg(command)}};
    }
    const RemoteStatus status = target_.remoteStatus();
    return {{QStringLiteral("armed"), status.armed},
            {QStringLiteral("statusLine"), status.statusLine},
            {QStringLiteral("lastResetLine"), status.lastResetLine}};
}

} // namespace vespera
