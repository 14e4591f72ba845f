// The program start watch on a real file, changed by a shell that was running before.
#include <gtest/gtest.h>

#include "platform/linux/InotifyProgramStartWatch.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace vespera;

TEST(ProgramStartWatchTest, StartsAreSeenAcrossUpdatesAndAMissingFileIsUnwatched) {
    using S = ProgramStartWatch::Seen;
    const struct {
        const char *fault, *shellWithProgramAs0;
        S seen, seenAfterNextStart;
    } cases[] = {
        {"nothing happened", "", S::Nothing, S::Opened},
        {"started in an old process", "exec \"$0\"", S::Opened, S::Opened},
        {"file replaced by an update", "cp /usr/bin/true \"$0.new\" && mv \"$0.new\" \"$0\"", S::Opened,
         S::Opened},
        {"file removed", "rm \"$0\"", S::Unwatched, S::Unwatched},
    };
    const auto inShell = [](const char* script, const QString& program) {
        QProcess::execute(QStringLiteral("/bin/sh"),
                          {QStringLiteral("-c"), QString::fromUtf8(script), program});
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const QTemporaryDir folder;
        const QString program = folder.path() + QStringLiteral("/job");
        ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/bin/true"), program));
        InotifyProgramStartWatch starts;
        starts.watch({program});
        ASSERT_EQ(starts.poll(), S::Opened); // just set up
        inShell(c.shellWithProgramAs0, program);
        EXPECT_EQ(starts.poll(), c.seen);
        inShell("exec \"$0\"", program);
        EXPECT_EQ(starts.poll(), c.seenAfterNextStart);
    }
}
