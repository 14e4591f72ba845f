// The real program watching a real program: the armed process condition waits while its program works
// and fires once it has ended.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>

using namespace std::chrono_literals;

// The program started directly, or by a shell that ran before the watch and turns into it (exec).
class ProcessWatchEndToEnd : public testing::TestWithParam<bool> {};
TEST_P(ProcessWatchEndToEnd, ArmedConditionWaitsForTheWatchedProgramToEnd) {
    QTemporaryDir home;
    // A busy program under a name no other process has.
    const QString job = home.path() + "/render-job";
    ASSERT_TRUE(QFile::copy("/usr/bin/yes", job));
    QProcess worker;
    worker.setStandardOutputFile(QProcess::nullDevice());
    if (GetParam())
        worker.start("/bin/sh", {"-c", "sleep 4; exec \"$0\"", job});
    else
        worker.start(job, {});
    ASSERT_TRUE(worker.waitForStarted());

    ProgramRun run(home.path());
    run.writeSettings("armed=1\r\nFprocess=1\r\nprocess=" + job.toUtf8() +
                      "\r\nprocesspercent=1\r\ntime=10\r\n");
    run.start(VESPERA_PROGRAM);
    const QByteArray early = run.waitForError("dry run", 15s);
    EXPECT_FALSE(early.contains("dry run")) << early.toStdString();

    worker.kill();
    worker.waitForFinished();
    EXPECT_TRUE(run.waitForError("dry run: power off", 15s).contains("dry run: power off"));
    EXPECT_EQ(run.terminate(), 0);
}

INSTANTIATE_TEST_SUITE_P(StartedDirectlyOrByExec, ProcessWatchEndToEnd, testing::Bool());
