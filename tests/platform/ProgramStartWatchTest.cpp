// The program start watch on a real file: a shell that turns into the program, an update that replaces
// the file, and a file that is gone.
#include <gtest/gtest.h>

#include "platform/linux/InotifyProgramStartWatch.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace vespera;

namespace {

// A shell already running starts the program in its own process, as `exec` does.
void startInShell(const QString& program) {
    QProcess::execute(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("exec \"$0\""), program});
}

} // namespace

TEST(ProgramStartWatchTest, StartsAreSeenAcrossUpdatesAndAMissingFileIsUnwatched) {
    using S = ProgramStartWatch::Seen;
    const struct {
        const char* fault;
        std::function<void(const QString&)> change;
        S seen;
        S seenAfterStart; // the program started once more
    } cases[] = {
        {"nothing happened", [](const QString&) {}, S::Nothing, S::Opened},
        {"started in an old process", startInShell, S::Opened, S::Opened},
        {"file replaced by an update",
         [](const QString& path) {
             QFile::copy(QStringLiteral("/usr/bin/true"), path + QStringLiteral(".new"));
             std::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(),
                         QFile::encodeName(path).constData()); // over the old file, as package tools do
         },
         S::Opened, S::Opened},
        {"file removed", [](const QString& path) { QFile::remove(path); }, S::Unwatched, S::Unwatched},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const QTemporaryDir folder;
        const QString program = folder.path() + QStringLiteral("/job");
        ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/bin/true"), program));
        InotifyProgramStartWatch starts;
        starts.watch({program});
        ASSERT_EQ(starts.poll(), S::Opened); // just set up
        c.change(program);
        EXPECT_EQ(starts.poll(), c.seen);
        startInShell(program);
        EXPECT_EQ(starts.poll(), c.seenAfterStart);
    }
}
