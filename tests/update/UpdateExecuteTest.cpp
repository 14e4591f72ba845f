// The updater of the program folder, copied into a folder of the test's own, unpacking archives.
#include "UpdateFakes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

int run(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, arguments);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

TEST(UpdateExecute, UnpacksOnlyArchivesThatStayInTheProgramFolder) {
    QTemporaryDir root;
    const QString folder = root.filePath("program"), staging = root.filePath("staging/inner");
    ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(staging));
    const QString updater = folder + "/Update_Execute";
    ASSERT_TRUE(QFile::copy(QFileInfo(VESPERA_PROGRAM).dir().filePath("Update_Execute"), updater));
    writeFile(staging + "/new.txt", "new");
    writeFile(staging + "/vespera", "#!/bin/sh\ntouch \"$(dirname \"$0\")/restarted\"\n");
    QFile::setPermissions(staging + "/vespera", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    writeFile(root.filePath("staging/outside.txt"), "outside");
    const struct {
        const char* name;
        const char* archive;
        QStringList tarArguments; // run in the staging folder; none: not an archive
        bool installed;
    } cases[] = {
        {"plain archive", "update.tar.gz", {"-czf", "ARCHIVE", "new.txt", "vespera"}, true},
        {"a step up", "up.tar", {"-P", "-cf", "ARCHIVE", "new.txt", "../outside.txt"}, false},
        {"absolute path", "abs.tar", {"-P", "-cf", "ARCHIVE", root.filePath("staging/outside.txt")}, false},
        {"not an archive", "setup.txt", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString archive = root.filePath(c.archive);
        writeFile(archive, "no archive");
        if (!c.tarArguments.isEmpty()) {
            ASSERT_EQ(run("tar", QStringList(c.tarArguments).replaceInStrings("ARCHIVE", archive), staging),
                      0);
        }

        EXPECT_EQ(run(updater, {'"' + archive + '"'}, root.path()), c.installed ? 0 : 1);
        EXPECT_EQ(QFileInfo::exists(folder + "/new.txt"), c.installed);
        EXPECT_FALSE(QFileInfo::exists(root.filePath("outside.txt")));
        EXPECT_EQ(QFileInfo::exists(archive), !c.installed);
        EXPECT_EQ(
            QTest::qWaitFor([&] { return QFileInfo::exists(folder + "/restarted"); }, c.installed ? 2000 : 1),
            c.installed);
        QFile::remove(folder + "/new.txt");
        QFile::remove(folder + "/restarted");
    }
}
