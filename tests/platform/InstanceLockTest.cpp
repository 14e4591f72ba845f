#include <gtest/gtest.h>

#include "platform/InstanceLock.h"
#include "platform/linux/FolderDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace vespera;

TEST(InstanceLock, TellsAnotherCopyFromALockThatCannotBeMade) {
    QTemporaryDir run;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run.path()));
    const InstanceLock first(QStringLiteral("Vespera"));
    const InstanceLock second(QStringLiteral("Vespera"));
    EXPECT_EQ(first.state(), InstanceLock::State::Acquired);
    EXPECT_EQ(second.state(), InstanceLock::State::HeldElsewhere);

    ASSERT_TRUE(QDir(run.path()).mkdir(QStringLiteral("Blocked.lock")));
    const InstanceLock blocked(QStringLiteral("Blocked"));
    EXPECT_EQ(blocked.state(), InstanceLock::State::Unavailable);
    EXPECT_TRUE(blocked.problem().contains(run.path() + "/Blocked.lock")) << blocked.problem().toStdString();
    qunsetenv("XDG_RUNTIME_DIR");
}

namespace {

mode_t modeOf(const QString& path) {
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

void makeFolder(const QString& path, mode_t mode) {
    ::mkdir(QFile::encodeName(path).constData(), mode);
    ::chmod(QFile::encodeName(path).constData(), mode);
}

} // namespace

TEST(InstanceLock, FallbackFolderMustBeTheUsersOwn) {
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("vespera"));
    const uid_t me = ::getuid();
    const struct {
        const char* what;
        std::function<void()> prepare;
        uid_t owner;
        bool accepted;
    } cases[] = {
        {"missing", [] {}, me, true},
        {"own, mode 0700", [&] { makeFolder(folder, 0700); }, me, true},
        {"open to others", [&] { makeFolder(folder, 0755); }, me, false},
        {"another user's", [&] { makeFolder(folder, 0700); }, me + 1, false},
        {"symbolic link", [&] { QFile::link(temp.path(), folder); }, me, false},
    };
    for (const auto& c : cases) {
        if (!QFile::remove(folder))
            QDir(folder).removeRecursively();
        c.prepare();
        const FolderDescriptor opened = FolderDescriptor::openPrivate(folder, c.owner);
        EXPECT_EQ(opened.descriptor() >= 0, c.accepted) << c.what;
        EXPECT_EQ(opened.problem().contains(folder), !c.accepted) << c.what;
        if (c.accepted) {
            EXPECT_EQ(modeOf(folder), 0700u) << c.what;
        }
    }

    // The program itself, without a system run-time folder, refuses a fallback open to others.
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QString fallback = temp.filePath(QStringLiteral("vespera-%1").arg(me));
    makeFolder(fallback, 0777);
    const InstanceLock lock(QStringLiteral("Vespera"));
    EXPECT_EQ(lock.state(), InstanceLock::State::Unavailable);
    EXPECT_TRUE(lock.problem().contains(fallback)) << lock.problem().toStdString();
    EXPECT_FALSE(QFileInfo::exists(fallback + "/Vespera.lock"));
    qunsetenv("TMPDIR");
}
