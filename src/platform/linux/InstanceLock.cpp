#include "platform/InstanceLock.h"

#include "platform/linux/FolderDescriptor.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vespera {

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

InstanceLock::InstanceLock(const QString& name) {
    const FolderDescriptor folder = FolderDescriptor::userRuntime();
    if (folder.descriptor() < 0) {
        problem_ = folder.problem();
        return;
    }
    const QString file = name + QStringLiteral(".lock");
    const QString path = QDir(folder.path()).filePath(file);
    const int fd = ::openat(folder.descriptor(), QFile::encodeName(file).constData(),
                            O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        problem_ = QStringLiteral("The lock file \"%1\" cannot be created: %2").arg(path, systemError(errno));
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            state_ = State::HeldElsewhere;
        else
            problem_ =
                QStringLiteral("The lock file \"%1\" cannot be locked: %2").arg(path, systemError(error));
        return;
    }
    handle_ = fd;
    state_ = State::Acquired;
}

InstanceLock::~InstanceLock() {
    if (handle_ >= 0)
        ::close(handle_);
}

} // namespace vespera
