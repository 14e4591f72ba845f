// The real program must not act while the user is at work: watches that activity (input, a running
// program, a busy processor), a refused setting or a resume must keep from firing, beside one that does
// fire, on one display and one private system bus.
#include <gtest/gtest.h>

#include "LogindMock.h"
#include "ProgramRun.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using namespace std::chrono_literals;
using vespera::test::LogindMock;

namespace {

struct Case {
    const char* name;
    QByteArray settings;
};

// A watched program that keeps a processor busy, ended however the test ends.
class BusyProgram {
public:
    BusyProgram() {
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start("/usr/bin/yes", {});
        process_.waitForStarted(5000);
    }
    ~BusyProgram() {
        process_.kill();
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
};

} // namespace

TEST(NeverFiresEndToEnd, ActivityARefusalOrAResumeKeepTheMachineOn) {
    LogindMock::ensureApplication();
    LogindMock mock;
    ASSERT_TRUE(mock.usable()) << mock.whyNot().toStdString();
    BusyProgram busy;
    const std::vector<Case> quiet = {
        {"input while the mouse moves", "armed=1\r\nfproz=0\r\nFkey=1\r\ntime=10\r\n"},
        {"process while it runs", "armed=1\r\nfproz=0\r\nFprocess=1\r\nprocess=/usr/bin/yes\r\n"
                                  "processpercent=1\r\ntime=10\r\n"},
        {"process without a program", "armed=1\r\nfproz=0\r\nFprocess=1\r\nproz_taskbar=0\r\ntime=10\r\n"},
        {"disarmed at a resume", "armed=0\r\nfproz=1\r\nproz_taskbar=100\r\ntime=10\r\n"},
        {"processor while a program keeps a core busy",
         "armed=1\r\nfproz=1\r\nprocessormethod=1\r\nproz_taskbar=30\r\ntime=10\r\n"},
    };
    QTemporaryDir home;
    std::vector<std::unique_ptr<ProgramRun>> runs;
    for (std::size_t i = 0; i <= quiet.size(); ++i) {
        runs.push_back(std::make_unique<ProgramRun>(home.filePath(QString::number(i))));
        runs.back()->writeSettings(
            i < quiet.size() ? quiet[i].settings : "armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ntime=10\r\n");
        runs.back()->start(QStringLiteral(VESPERA_PROGRAM));
    }
    ProgramRun& control = *runs.back();

    // The refusal box of the process condition without a program, answered as a user would.
    const QString box = waitForWindow(runs[2]->process().processId());
    ASSERT_FALSE(box.isEmpty());
    QProcess::execute("xdotool", {"key", "--window", box, "Return"});
    ASSERT_FALSE(waitForWindow(runs[3]->process().processId()).isEmpty());
    mock.emitManagerSignal(QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {true});
    mock.emitManagerSignal(QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {false});

    QElapsedTimer sinceResume;
    sinceResume.start();
    while (!control.errorSoFar().contains("dry run") || sinceResume.elapsed() < 20000) {
        QProcess::execute("xdotool", {"mousemove_relative", "--", "20", "20"});
        QProcess::execute("xdotool", {"mousemove_relative", "--", "-20", "-20"});
        control.waitForError("dry run", 1s);
        ASSERT_LT(sinceResume.elapsed(), 40000) << "the control watch never fired";
    }
    for (std::size_t i = 0; i < quiet.size(); ++i)
        EXPECT_FALSE(runs[i]->errorSoFar().contains("dry run")) << quiet[i].name;
    for (const auto& run : runs)
        EXPECT_EQ(run->terminate(), 0);
    EXPECT_TRUE(runs[3]->readSettings().contains("armed=0"));
}
