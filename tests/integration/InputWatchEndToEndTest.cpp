// The built program with its hook library on a private display, xdotool playing the user: an armed
// mouse and keyboard condition of 10 seconds holds off while keys, clicks and moves come every second,
// each kind alone for longer than the period, and fires once they stop.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace std::chrono_literals;

TEST(InputWatchEndToEnd, EachKindOfInputHoldsTheCountAndQuietLetsItFire) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.writeSettings("armed=1\r\nfproz=0\r\nFkey=1\r\ntime=10\r\n");
    run.start(QStringLiteral(VESPERA_PROGRAM));
    QProcess::execute("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Vespera"});
    QProcess::execute("xdotool", {"mousemove", "5", "1000"}); // away from the window; a warp is no input
    const QStringList kinds[] = {{"key", "shift"}, {"click", "1"}, {"mousemove_relative", "--", "20", "20"}};
    for (const QStringList& input : kinds) {
        for (int second = 0; second < 12; ++second) {
            QStringList step = input;
            if (second % 2)
                step.replaceInStrings("20", "-20");
            QProcess::execute("xdotool", step);
            ASSERT_FALSE(run.waitForError("dry run", 1s).contains("dry run"))
                << input.join(' ').toStdString();
        }
    }
    EXPECT_TRUE(run.waitForError("dry run", 15s).contains("dry run: power off"));
    EXPECT_EQ(run.terminate(), 0);
}
