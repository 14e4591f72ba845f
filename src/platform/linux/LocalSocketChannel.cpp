#include "platform/linux/LocalSocketChannel.h"

#include <sys/socket.h>

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

} // namespace vespera::LocalSocketChannel
