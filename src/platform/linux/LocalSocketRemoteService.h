#pragma once

#include "platform/RemoteTarget.h"
#include "platform/linux/FolderDescriptor.h"

#include <QJsonObject>
#include <QObject>
#include <QSocketNotifier>

#include <memory>

#include <sys/types.h>

namespace vespera {

// The running copy's answer where no session bus runs: a local socket in the user's run-time folder,
// mode 0600 from the moment it can be reached. Connections of other users are closed unanswered; an
// unknown request, an unknown action or a period the selector does not offer is refused. Connections
// are taken and served on the event loop, never waiting for one.
class LocalSocketRemoteService : public QObject {
public:
    // Listens in place of a socket file that a copy which ended left behind; null, with the problem,
    // when the folder or the socket cannot be had or another copy answers there.
    static std::unique_ptr<LocalSocketRemoteService> listen(RemoteTarget& target, QString& problem);
    ~LocalSocketRemoteService() override;

private:
    LocalSocketRemoteService(RemoteTarget& target, FolderDescriptor folder, int listener);
    void acceptConnections();
    QByteArray answerLine(const QByteArray& requestLine);
    QJsonObject answer(const QJsonObject& request);

    RemoteTarget& target_;
    FolderDescriptor folder_;
    int listener_;
    std::unique_ptr<QSocketNotifier> incoming_;
    dev_t fileDevice_ = 0;
    ino_t fileNode_ = 0;
};

} // namespace vespera
