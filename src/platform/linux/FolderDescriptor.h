#pragma once

#include <QString>

#include <sys/types.h>

namespace vespera {

// An open folder, for making files in it by name relative to it (openat): what was checked is what the
// files land in, even if the path is replaced in the meantime.
class FolderDescriptor {
public:
    // A folder the system made for the user; a symbolic link to it is followed.
    static FolderDescriptor open(const QString& path);
    // A folder only `owner` may use, created with mode 0700 when it is missing. Refused: a symbolic
    // link, anything that is not a folder, a folder of another owner, one that group or others may use.
    static FolderDescriptor openPrivate(const QString& path, uid_t owner);
    // The system's run-time folder for the user, else the fallback in the temporary folder once it
    // proves to be the user's own: a folder another user made there would let that user in.
    static FolderDescriptor userRuntime();

    FolderDescriptor(FolderDescriptor&& other) noexcept;
    FolderDescriptor& operator=(FolderDescriptor&&) = delete;
    ~FolderDescriptor();

    const QString& path() const { return path_; }
    // The open folder, or -1 when it could not be opened or was refused.
    int descriptor() const { return fd_; }
    // Why it could not be opened or was refused, naming the folder.
    const QString& problem() const { return problem_; }

private:
    explicit FolderDescriptor(QString path);
    void fail(const QString& problem);

    QString path_;
    int fd_ = -1;
    QString problem_;
};

} // namespace vespera
