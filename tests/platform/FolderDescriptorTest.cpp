#include <gtest/gtest.h>

#include "platform/linux/FolderDescriptor.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace vespera;

TEST(FolderDescriptor, PrivateFolderMustBeTheUsersOwn) {
    QTemporaryDir temp;
    const uid_t me = ::getuid();
    const struct {
        const char* what;
        int mode; // of the folder there before; 0: none, -1: a symbolic link to a folder of the user
        uid_t owner;
        bool accepted;
    } cases[] = {
        {"missing", 0, me, true},
        {"open to others", 0755, me, false},
        {"another user's", 0700, me + 1, false},
        {"symbolic link", -1, me, false},
    };
    for (const auto& c : cases) {
        const QString folder = temp.filePath(c.what);
        const QByteArray name = QFile::encodeName(folder);
        if (c.mode > 0)
            ::mkdir(name.constData(), 0700), ::chmod(name.constData(), c.mode);
        if (c.mode < 0)
            QFile::link(temp.path(), folder);
        const FolderDescriptor opened = FolderDescriptor::openPrivate(folder, c.owner);
        EXPECT_EQ(opened.descriptor() >= 0, c.accepted) << c.what;
        EXPECT_EQ(opened.problem().contains(folder), !c.accepted) << c.what;
        struct stat status {};
        EXPECT_TRUE(!c.accepted ||
                    (::lstat(name.constData(), &status) == 0 && (status.st_mode & 0777) == 0700))
            << c.what;
    }
}
