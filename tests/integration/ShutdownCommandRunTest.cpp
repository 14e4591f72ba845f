// The real program fires a watch at its first tick ("Sofort") and runs the user's command first: a
// script that reports its arguments on standard error in one line written at once, sleeps as many seconds as
// its first argument says and reports its end. The dry run reports the action on the same channel, so the
// order shows.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

using namespace std::chrono_literals;

namespace {

const QString Program = QStringLiteral(VESPERA_PROGRAM);
constexpr char Fired[] = "dry run: power off";

QString writeScript(const QString& folder) {
    QDir().mkpath(folder);
    QFile script(folder + "/my script.sh");
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\nline=\nfor a in \"$@\"; do line=\"$line[$a]\"; done\nprintf '%s\\n' \"$line\" >&2\n"
        "sleep \"$1\"\necho script ended >&2\n");
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return script.fileName();
}

QByteArray commandSettings(const QByteArray& method, const QString& path, const QByteArray& parameters) {
    return "armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ntime=0\r\nfexeafter=1\r\nfexemethod=" + method +
           "\r\nfexepath=" + path.toUtf8() + "\r\nfexeparam=" + parameters + "\r\n";
}

} // namespace

TEST(ShutdownCommandRun, OnlyAWaitedCommandDelaysTheActionAndArgumentsKeepTheirBlanks) {
    QTemporaryDir home;
    const QString script = writeScript(home.path() + "/my apps");
    const QByteArray arguments = "[3][first arg][second  arg]";
    const struct {
        const char* name;
        QByteArray method;
        QString path;
        bool launched;
        bool waited;
    } cases[] = {
        {"execute and wait", "1", script, true, true},
        {"execute only", "0", script, true, false},
        {"unknown method runs as execute only", "7", script, true, false},
        {"missing file", "1", script + ".gone", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramRun run(home.path());
        run.writeSettings(commandSettings(c.method, c.path, "3 \"first arg\" 'second  arg'"));
        run.start(Program);
        run.waitForError(c.launched ? arguments : QByteArray(Fired), 20s);
        QElapsedTimer clock;
        clock.start();
        const QByteArray said = run.waitForError(Fired, 20s);
        ASSERT_TRUE(said.contains(Fired)) << said.toStdString();
        EXPECT_EQ(said.contains(arguments), c.launched) << said.toStdString();
        const qsizetype ended = said.indexOf("script ended");
        EXPECT_EQ(ended >= 0 && ended < said.indexOf(Fired), c.waited) << said.toStdString();
        EXPECT_EQ(clock.elapsed() >= 2800, c.waited) << clock.elapsed();
        EXPECT_EQ(run.terminate(), 0);
    }
}

TEST(ShutdownCommandRun, AskingTheProgramToQuitEndsTheWaitAndTheActionFollows) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.writeSettings(commandSettings("1", writeScript(home.path()), "8"));
    run.start(Program);
    ASSERT_TRUE(run.waitForError("[8]", 20s).contains("[8]"));
    EXPECT_FALSE(run.waitForError(Fired, 1500ms).contains(Fired));
    EXPECT_EQ(run.terminate(), 0);
    EXPECT_TRUE(run.waitForError(Fired, 0ms).contains(Fired));
}
