#include "platform/linux/FolderDescriptor.h"

#include "platform/UserFolders.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vespera {

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

FolderDescriptor::FolderDescriptor(QString path) : path_(std::move(path)) {}

FolderDescriptor::FolderDescriptor(FolderDescriptor&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), problem_(std::move(other.problem_)) {}

FolderDescriptor::~FolderDescriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

FolderDescriptor FolderDescriptor::open(const QString& path) {
    FolderDescriptor folder(path);
    folder.fd_ = ::open(QFile::encodeName(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd_ < 0)
        folder.fail(QStringLiteral("The folder \"%1\" cannot be opened: %2").arg(path, systemError(errno)));
    return folder;
}

FolderDescriptor FolderDescriptor::userRuntime() {
    const QString system = systemRuntimeFolder();
    return system.isEmpty() ? openPrivate(fallbackRuntimeFolder(), ::getuid()) : open(system);
}

FolderDescriptor FolderDescriptor::openPrivate(const QString& path, uid_t owner) {
    FolderDescriptor folder(path);
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        folder.fail(QStringLiteral("The folder \"%1\" cannot be created: %2").arg(path, systemError(errno)));
        return folder;
    }
    folder.fd_ = ::open(name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (folder.fd_ < 0 && (errno == ELOOP || errno == ENOTDIR))
        folder.fail(
            QStringLiteral("\"%1\" is a symbolic link or not a folder; it must be a folder of your own")
                .arg(path));
    else if (folder.fd_ < 0 || ::fstat(folder.fd_, &status) != 0)
        folder.fail(QStringLiteral("The folder \"%1\" cannot be opened: %2").arg(path, systemError(errno)));
    else if (status.st_uid != owner)
        folder.fail(QStringLiteral("The folder \"%1\" belongs to another user (user id %2), not to you (%3)")
                        .arg(path)
                        .arg(status.st_uid)
                        .arg(owner));
    else if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        folder.fail(QStringLiteral("The folder \"%1\" is open to other users (mode %2); it must be 0700")
                        .arg(path, QString::number(status.st_mode & 07777, 8).rightJustified(4, u'0')));
    return folder;
}

void FolderDescriptor::fail(const QString& problem) {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    problem_ = problem;
}

} // namespace vespera
