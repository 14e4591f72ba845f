#include "platform/linux/LocalSocketChannel.h"

#include <QFile>

#include <algorithm>
#include <cstring>

#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace vespera::LocalSocketChannel {

QString addressIn(const FolderDescriptor& folder, const QString& fileName) {
    return QStringLiteral("/proc/self/fd/%1/%2").arg(folder.descriptor()).arg(fileName);
}

std::optional<uid_t> peerUser(qintptr socket) {
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (socket < 0 ||
        ::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return std::nullopt;
    return credentials.uid;
}

sockaddr_un socketAddress(const QString& address) {
    const QByteArray path = QFile::encodeName(address);
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    std::memcpy(where.sun_path, path.constData(), std::min<size_t>(path.size(), sizeof where.sun_path - 1));
    return where;
}

// The send time-out also bounds how long a connect waits for room in the listener's queue.
int connectTo(const QString& address, int timeoutMs) {
    const sockaddr_un where = socketAddress(address);
    const timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) == 0 &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace vespera::LocalSocketChannel
