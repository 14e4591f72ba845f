#include "platform/InstanceLock.h"

#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vespera {

InstanceLock::InstanceLock(const QString& name) {
    const QByteArray path = QFile::encodeName(QDir(runtimeFolder()).filePath(name + QStringLiteral(".lock")));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    handle_ = fd;
}

InstanceLock::~InstanceLock() {
    if (handle_ >= 0)
        ::close(handle_);
}

} // namespace vespera
