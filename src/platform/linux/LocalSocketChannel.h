#pragma once

#include "platform/linux/FolderDescriptor.h"

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/types.h>
#include <sys/un.h>

namespace vespera {

// The local socket the running copy answers on where no session bus runs: "Vespera.socket" in the
// user's run-time folder, mode 0600. Each connection carries one request line and one answer line,
// both JSON objects.
namespace LocalSocketChannel {

inline const QString FileName = QStringLiteral("Vespera.socket");
constexpr qint64 LineLimit = 64 * 1024;
constexpr int AnswerTimeoutMs = 10000;

// The socket's address in the open folder: through the descriptor, so that it is the folder that was
// checked, whatever its path has become, and short enough for a socket address however long that is.
QString addressIn(const FolderDescriptor& folder, const QString& fileName = FileName);

// The user at the other end of a connected local socket, from the system; nothing when it cannot say.
std::optional<uid_t> peerUser(qintptr socket);

// The address as the system takes it for binding or connecting.
sockaddr_un socketAddress(const QString& address);

// A socket connected to the address, waiting at most `timeoutMs` while the listener's queue is full;
// -1 when nothing listens there or it does not take the connection in time.
int connectTo(const QString& address, int timeoutMs);

} // namespace LocalSocketChannel

} // namespace vespera
