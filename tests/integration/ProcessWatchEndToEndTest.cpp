// The real program watching a real program: the armed process condition waits while its program works
// and fires once it has ended.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>

using namespace std::chrono_literals;

TEST(ProcessWatchEndToEnd, ArmedConditionWaitsForTheWatchedProgramToEnd) {
    const struct {
        const char* start;
        bool inShell; // a shell already running turns into the program after a while, in its own process
    } cases[] = {{"started directly", false}, {"started by exec from a running shell", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        QTemporaryDir home;
        // A busy program under a name no other process has.
        const QString job = home.path() + "/render-job";
        ASSERT_TRUE(QFile::copy("/usr/bin/yes", job));
        QProcess worker;
        worker.setStandardOutputFile(QProcess::nullDevice());
        if (c.inShell)
            worker.start("/bin/sh", {"-c", "sleep 4; exec \"$0\"", job});
        else
            worker.start(job, {});
        ASSERT_TRUE(worker.waitForStarted());

        ProgramRun run(home.path());
        run.writeSettings("armed=1\r\nFprocess=1\r\nprocess=" + job.toUtf8() +
                          "\r\nprocesspercent=1\r\ntime=10\r\n");
        run.start(VESPERA_PROGRAM);
        const QByteArray early = run.waitForError("dry run", 18s);
        EXPECT_FALSE(early.contains("dry run")) << early.toStdString();

        worker.kill();
        worker.waitForFinished();
        EXPECT_TRUE(run.waitForError("dry run: power off", 15s).contains("dry run: power off"));
        EXPECT_EQ(run.terminate(), 0);
    }
}
