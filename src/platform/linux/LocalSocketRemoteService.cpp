#include "platform/linux/LocalSocketRemoteService.h"

#include "app/CommandLine.h"
#include "platform/linux/LocalSocketChannel.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>
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

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether a copy answers at the address; a file left by a copy that ended refuses the connection.
bool answered(const QString& address) {
    QLocalSocket probe;
    probe.connectToServer(address);
    return probe.waitForConnected(ProbeTimeoutMs);
}

// A listening socket bound under a name of its own, given mode 0600 and only then moved to the
// socket's name, over any file left there: no moment in which others could connect.
int listeningSocket(const FolderDescriptor& folder, QString& problem) {
    const QString temporary = QStringLiteral("%1.%2").arg(LocalSocketChannel::FileName).arg(::getpid());
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const QByteArray address = QFile::encodeName(LocalSocketChannel::addressIn(folder, temporary));
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    std::memcpy(where.sun_path, address.constData(),
                std::min<size_t>(address.size(), sizeof where.sun_path - 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
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

LocalSocketRemoteService::LocalSocketRemoteService(RemoteTarget& target, FolderDescriptor folder)
    : target_(target), folder_(std::move(folder)) {
    connect(&server_, &QLocalServer::newConnection, this, &LocalSocketRemoteService::acceptConnections);
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
        new LocalSocketRemoteService(target, std::move(folder)));
    struct stat file {};
    if (::fstatat(service->folder_.descriptor(), QFile::encodeName(LocalSocketChannel::FileName).constData(),
                  &file, AT_SYMLINK_NOFOLLOW) == 0) {
        service->fileDevice_ = file.st_dev;
        service->fileNode_ = file.st_ino;
    }
    if (!service->server_.listen(fd)) {
        problem = service->server_.errorString();
        ::close(fd);
        return nullptr;
    }
    return service;
}

// The socket file goes with the copy, unless a later copy has put its own in its place.
LocalSocketRemoteService::~LocalSocketRemoteService() {
    server_.close();
    const QByteArray name = QFile::encodeName(LocalSocketChannel::FileName);
    struct stat file {};
    if (::fstatat(folder_.descriptor(), name.constData(), &file, AT_SYMLINK_NOFOLLOW) == 0 &&
        file.st_dev == fileDevice_ && file.st_ino == fileNode_)
        ::unlinkat(folder_.descriptor(), name.constData(), 0);
}

void LocalSocketRemoteService::acceptConnections() {
    while (QLocalSocket* connection = server_.nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        QTimer::singleShot(LocalSocketChannel::AnswerTimeoutMs, connection, [connection] {
            connection->abort();
            connection->deleteLater();
        });
        if (LocalSocketChannel::peerUser(connection->socketDescriptor()) != ::getuid()) {
            connection->abort();
            connection->deleteLater();
            continue;
        }
        connect(connection, &QLocalSocket::readyRead, this, [this, connection] { serve(*connection); });
        serve(*connection);
    }
}

void LocalSocketRemoteService::serve(QLocalSocket& connection) {
    if (!connection.canReadLine()) {
        if (connection.bytesAvailable() > LocalSocketChannel::LineLimit) {
            connection.abort();
            connection.deleteLater();
        }
        return;
    }
    disconnect(&connection, &QLocalSocket::readyRead, this, nullptr);
    const QJsonObject request =
        QJsonDocument::fromJson(connection.readLine(LocalSocketChannel::LineLimit)).object();
    connection.write(QJsonDocument(answer(request)).toJson(QJsonDocument::Compact) + '\n');
    connection.disconnectFromServer();
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
