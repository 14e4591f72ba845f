// The real program on a private X display: one copy per session, the first start, the orderly close and
// a watch that fires by itself.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QDir>
#include <QTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {
const QString Program = QStringLiteral(VESPERA_PROGRAM);
} // namespace

TEST(Startup, SecondCopyShowsItsMessageAndEndsWhileTheFirstRunsOn) {
    QTemporaryDir home;
    ProgramRun first(home.path());
    first.writeSettings("fproz=1\r\n");
    first.start(Program);
    ASSERT_FALSE(waitForWindow(first.process().processId()).isEmpty());

    QProcess second;
    second.setProcessEnvironment(first.environment());
    second.start(Program, {});
    const QString box = waitForWindow(second.processId());
    ASSERT_FALSE(box.isEmpty()) << "the second copy shows no message";
    QProcess::execute("xdotool", {"key", "--window", box, "Return"});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.process().state(), QProcess::Running);
    EXPECT_EQ(first.terminate(), 0);
}

TEST(Startup, FirstStartWritesTheSettingsBeforeTheQuestionIsAnswered) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.start(Program);
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(run.settingsFile()); }, 15s));
    EXPECT_EQ(run.process().state(), QProcess::Running); // the question is still open
    EXPECT_EQ(run.terminate(), 0);
    EXPECT_TRUE(run.readSettings().contains("fproz=1"));
}

TEST(Startup, ArmedWatchFiresAfterItsPeriodAndStaysArmedForTheNextStart) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.writeSettings("armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ntime=10\r\n");
    QElapsedTimer clock;
    clock.start();
    run.start(Program);
    const QByteArray said = run.waitForError("dry run: power off", 20s);
    EXPECT_TRUE(said.contains("dry run: power off")) << said.toStdString();
    EXPECT_GE(clock.elapsed(), 9500);
    EXPECT_LE(clock.elapsed(), 13000);

    // Closing after the firing keeps the watch armed with its period for the next start.
    EXPECT_EQ(run.terminate(), 0);
    const QByteArray saved = run.readSettings();
    EXPECT_TRUE(saved.contains("armed=1")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("time=10\r\n")) << saved.toStdString();

    ProgramRun again(home.path());
    again.start(Program);
    EXPECT_TRUE(again.waitForError("dry run: power off", 20s).contains("dry run: power off"));
    EXPECT_EQ(again.terminate(), 0);
}

TEST(Startup, RunsOnAndSaysWhyWhenItsLockCannotBeMade) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    ASSERT_TRUE(QDir().mkpath(home.path() + "/run/Vespera.lock")); // stops root as well
    run.writeSettings("fproz=1\r\n");
    run.start(Program);
    const QByteArray said = run.waitForError("Vespera.lock", 15s);
    EXPECT_TRUE(said.contains(QFile::encodeName(home.path() + "/run/Vespera.lock"))) << said.toStdString();
    EXPECT_FALSE(waitForWindow(run.process().processId()).isEmpty());
    EXPECT_EQ(run.terminate(), 0);
    EXPECT_TRUE(run.readSettings().contains("proz_taskbar="));
}

TEST(Startup, TerminationWhileTheLoadRefusalIsOpenClosesInOrder) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.writeSettings("Fprocess=1\r\n");
    run.start(Program);
    ASSERT_FALSE(waitForWindow(run.process().processId()).isEmpty()) << "no refusal box";
    EXPECT_EQ(run.terminate(), 0);
    EXPECT_TRUE(run.readSettings().contains("proz_taskbar="));
}

TEST(Startup, SaveThatFailsAtTheCloseIsWrittenToStandardError) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    ASSERT_TRUE(QDir().mkpath(run.settingsFile())); // a settings file that cannot be read or replaced
    run.start(Program);
    ASSERT_FALSE(waitForWindow(run.process().processId()).isEmpty());
    EXPECT_EQ(run.terminate(), 0);
    EXPECT_TRUE(run.waitForError("vsp-settings.ini", 1s).contains("vsp-settings.ini"));
}

TEST(Startup, TimeConditionFiresAtItsScheduledSecond) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    const QTime due = QTime::currentTime().addSecs(5);
    run.writeSettings("armed=1\r\nftime=1\r\nMontag=1\r\nDienstag=1\r\nMittwoch=1\r\nDonnerstag=1\r\n"
                      "Freitag=1\r\nSamstag=1\r\nSonntag=1\r\n" +
                      due.toString("'Stunde='H'\r\nMinute='m'\r\nSekunde='s'\r\n'").toLatin1());
    run.start(Program);
    const QByteArray said = run.waitForError("dry run: power off", 20s);
    const int late = QTime(due.hour(), due.minute(), due.second()).msecsTo(QTime::currentTime());
    EXPECT_TRUE(said.contains("dry run: power off")) << said.toStdString();
    EXPECT_TRUE(late >= 0 && late < 2000) << late;
    EXPECT_EQ(run.terminate(), 0);
}

// A start in the notification area loads no font: only a window that shows measures text. Neither loads
// the SVG renderer: the main window's pictures are drawn when the program is built.
TEST(Startup, OnlyAShownWindowLoadsFontsAndPictureRenderers) {
    for (const auto& [minimized, fonts] : {std::pair{"1", false}, std::pair{"0", true}}) {
        QTemporaryDir home;
        ProgramRun run(home.path());
        run.writeSettings(QByteArray("armed=1\r\nfproz=1\r\nproz_taskbar=100\r\nstartminimized=") +
                          minimized);
        run.start(Program);
        // the notification-area icon or the window shows once the window is built
        ASSERT_FALSE(waitForWindow(run.process().processId()).isEmpty()) << minimized;
        QFile maps(QStringLiteral("/proc/%1/maps").arg(run.process().processId()));
        EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        EXPECT_EQ(mapped.contains("/fontconfig/"), fonts) << "startminimized=" << minimized;
        EXPECT_FALSE(mapped.contains("libQt6Svg")) << "startminimized=" << minimized;
        EXPECT_EQ(run.terminate(), 0);
    }
}
