// The updater of the program folder, copied into a folder of the test's own, unpacking archives.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes, bool executable = false) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    if (executable)
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

int run(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, arguments);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

struct Case {
    const char* name;
    const char* archive;
    QStringList tarArguments; // run in the staging folder, which holds "new.txt" and "vespera"
    bool installed;
};

} // namespace

TEST(UpdateExecute, UnpacksOnlyArchivesThatStayInTheProgramFolder) {
    QTemporaryDir root;
    const QString folder = root.filePath("program");
    const QString staging = root.filePath("staging/inner");
    ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(staging));
    const QString updater = folder + "/Update_Execute";
    ASSERT_TRUE(QFile::copy(QFileInfo(VESPERA_PROGRAM).dir().filePath("Update_Execute"), updater));
    writeFile(staging + "/new.txt", "new");
    writeFile(staging + "/vespera", "#!/bin/sh\ntouch \"$(dirname \"$0\")/restarted\"\n", true);
    writeFile(root.filePath("staging/outside.txt"), "outside");

    const Case cases[] = {
        {"plain archive", "update.tar.gz", {"-czf", "ARCHIVE", "new.txt", "vespera"}, true},
        {"a step up", "up.tar", {"-P", "-cf", "ARCHIVE", "new.txt", "../outside.txt"}, false},
        {"absolute path", "abs.tar", {"-P", "-cf", "ARCHIVE", root.filePath("staging/outside.txt")}, false},
        {"not an archive", "setup.txt", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString archive = root.filePath(c.archive);
        QStringList arguments = c.tarArguments;
        arguments.replaceInStrings("ARCHIVE", archive);
        if (arguments.isEmpty())
            writeFile(archive, "no archive");
        else
            ASSERT_EQ(run("tar", arguments, staging), 0);

        EXPECT_EQ(run(updater, {'"' + archive + '"'}, root.path()), c.installed ? 0 : 1);
        EXPECT_EQ(QFileInfo::exists(folder + "/new.txt"), c.installed);
        EXPECT_FALSE(QFileInfo::exists(root.filePath("outside.txt")));
        EXPECT_EQ(QFileInfo::exists(archive), !c.installed);
        for (int i = 0; c.installed && i < 100 && !QFileInfo::exists(folder + "/restarted"); ++i)
            QThread::msleep(20);
        EXPECT_EQ(QFileInfo::exists(folder + "/restarted"), c.installed);
        QFile::remove(folder + "/new.txt");
        QFile::remove(folder + "/restarted");
    }
}
