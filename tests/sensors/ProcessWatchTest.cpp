// The process manager and the process condition over recorded process trees: one folder per sample,
// one second apart.
#include <gtest/gtest.h>

#include "l10n/TextSource.h"
#include "platform/linux/ProcProcessSource.h"
#include "sensors/ProcessCondition.h"
#include "sensors/ProcessLoad.h"
#include "sensors/ProcessManager.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <optional>

using namespace vespera;

namespace {

const QString Data = QStringLiteral(VESPERA_TEST_DATA "/processes/");

// A process source that moves to the next recorded sample on request.
class RecordedProcesses : public ProcessSource {
public:
    void step(const QString& root, std::uint32_t tick) {
        inner_ = std::make_unique<ProcProcessSource>(root, [tick] { return tick; });
    }
    bool listProcessIds(std::vector<std::uint32_t>& ids) override { return inner_->listProcessIds(ids); }
    bool readProcess(std::uint32_t id, ProcessStat& out) override { return inner_->readProcess(id, out); }
    QString imagePath(std::uint32_t id) override { return inner_->imagePath(id); }
    std::uint32_t tickCount() override { return inner_->tickCount(); }
    bool newestId(std::uint32_t& id) override {
        id = newest.value_or(0);
        return newest.has_value();
    }
    std::optional<std::uint32_t> newest; // none: unreadable

private:
    std::unique_ptr<ProcProcessSource> inner_;
};

struct SetStarts : ProgramStartWatch {
    Seen seen = Seen::Unwatched;
    void watch(const QStringList&) override {}
    Seen poll() override { return seen; }
};

struct Texts : TextSource {
    QString lookupText(const QString& key) const override { return key + QStringLiteral(":"); }
};

// The manager's timer wants an application object.
QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "test_process_watch";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

struct Watch {
    QCoreApplication& app = application();
    RecordedProcesses processes;
    SetStarts starts;
    TProcessManager manager{processes, &starts};
    ProcessCondition condition{manager};

    // Samples the recorded folders from..to of a case, one second apart, watching `path`.
    void sample(const QString& name, int from, int to, const QString& path) {
        for (int i = from; i <= to; ++i) {
            processes.step(Data + name + QStringLiteral("/") + QString::number(i), 5000u + 1000u * i);
            if (!manager.sampling())
                condition.watch(true, path);
            else
                manager.SampleProcessTimes();
        }
    }
};

} // namespace

TEST(ProcessWatchTest, BusyTestAndShareOverTwoSamples) {
    using U = ProcessCondition::Unmeasured;
    const struct {
        const char* path;
        int percent;
        int share;
        bool busy;
        U unmeasured;
    } cases[] = {
        {"/opt/Studio/render", 250, 250, true, U::None}, // 2.5 s of processor time in one second
        {"/OPT/studio/RENDER", 1, 250, true, U::None},   // the path in another case
        {"/usr/bin/clock", 20, 20, true, U::None},       // 59.9 s to 60.1 s
        {"/usr/bin/clock", 21, 20, false, U::None},      // below the threshold
        {"/usr/bin/idle", 1, 0, false, U::None},         // 0 % against 1 %
        {"/usr/bin/tool", 50, 50, true, U::None},        // "mytool" contains "tool"
        {"/usr/bin/a) (b", 30, 30, true, U::None},       // a name with ") (" in it
        {"/usr/bin/editor", 40, 40, true, U::None},      // its program file was replaced
        {"/usr/bin/fresh", 100, 0, true, U::None},       // one reading only: not measured yet
        {"/usr/bin/vanishing", 1, 0, false, U::None},    // ended between listing and reading
        {"/home/u/not-running", 1, 0, false, U::None},   // chosen from disk
        {"", 1, 0, true, U::NoProgram},                  // nothing chosen (a hand-edited file)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        Watch watch;
        watch.sample(QStringLiteral("shares"), 0, 1, c.path);
        EXPECT_EQ(GetProcessLoad(watch.manager, c.path), c.share);
        EXPECT_EQ(watch.condition.busy(c.path, c.percent, false), c.busy);
        EXPECT_EQ(watch.condition.unmeasured(), c.unmeasured);
    }
}

// A program is measured from its second reading on: one asked about after the first sample, and a new
// process listed between known ones.
TEST(ProcessWatchTest, AProgramIsMeasuredFromItsSecondReading) {
    const struct {
        const char *first, *path;
        int last, share;
    } cases[] = {{"/usr/bin/clock", "/opt/Studio/render", 1, 250},
                 {"/usr/bin/fresh", "/usr/bin/fresh", 2, 50}};
    for (const auto& c : cases) {
        Watch watch;
        watch.sample(QStringLiteral("shares"), 0, 0, c.first);
        watch.condition.watch(true, c.path);
        watch.sample(QStringLiteral("shares"), 1, c.last, c.path);
        EXPECT_EQ(GetProcessLoad(watch.manager, c.path), c.share) << c.path;
    }
}

TEST(ProcessWatchTest, UnreadableProcessListCountsAsBusy) {
    Watch watch;
    watch.sample(QStringLiteral("no-such-folder"), 0, 1, QStringLiteral("/usr/bin/idle"));
    EXPECT_TRUE(watch.condition.busy(QStringLiteral("/usr/bin/idle"), 1, true));
    EXPECT_EQ(watch.condition.unmeasured(), ProcessCondition::Unmeasured::NoProcessList);
}

// A shell that turns into the watched program keeps its id; an id taken over by another process starts
// afresh. Between rechecks the change may go unseen, never at the check before the count runs out.
TEST(ProcessWatchTest, ProgramStartedUnderAnOldIdIsFoundBeforeTheCountRunsOut) {
    const QString job = QStringLiteral("/opt/job/job");
    Watch watch;
    watch.sample(QStringLiteral("exec"), 0, 1, job);
    EXPECT_TRUE(watch.condition.busy(job, 1, false)); // id 202 runs it at 100 %
    watch.sample(QStringLiteral("exec"), 2, 3, job);
    EXPECT_FALSE(watch.condition.busy(job, 1, false)); // 202 is another process, 203 not rechecked yet
    EXPECT_TRUE(watch.condition.busy(job, 1, true));   // 203 runs it now
    EXPECT_EQ(watch.manager.GetLoads().size(), 2u);
}

// Shell 203 turns into the job in folder 3; in folder 4 it has ended, a new process 204 runs the job and
// 205 is one of its threads (no process of its own: counted, it would double the job's share).
// Per sample: folder, newest id ('3': 203, '4': 205, 'w': wrapped around to 150, '-':
// unreadable), start watch Opened/Nothing/Unwatched.
TEST(ProcessWatchTest, ProgramStartIsNoticedWithOrWithoutANewProcess) {
    using S = ProgramStartWatch::Seen;
    const struct {
        const char *fault, *folders, *newest, *seen;
        bool finalCheck;
    } cases[] = {
        {"start in an old process, no new one", "0123", "3333", "ONNO", false},
        {"no start watch: read in turn", "01233", "33333", "UUUUU", false},
        {"new process after the newest id", "0124", "3334", "ONNN", false},
        {"newest id unreadable", "0124", "----", "ONNN", false},
        {"ids wrapped around", "0124", "333w", "ONNN", false},
        {"newest id unchanged at the final check", "0124", "3333", "ONNN", true},
    };
    const QString job = QStringLiteral("/opt/job/job");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        Watch watch;
        for (int i = 0; c.folders[i]; ++i) {
            const char n = c.newest[i];
            watch.processes.newest = n == '-'   ? std::nullopt
                                     : n == 'w' ? std::optional<std::uint32_t>(150)
                                                : std::optional<std::uint32_t>(200 + (n - '0') + (n == '4'));
            watch.starts.seen = c.seen[i] == 'O' ? S::Opened : c.seen[i] == 'N' ? S::Nothing : S::Unwatched;
            watch.sample(QStringLiteral("exec"), c.folders[i] - '0', c.folders[i] - '0', job);
        }
        EXPECT_TRUE(watch.condition.busy(job, 1, c.finalCheck));
        EXPECT_TRUE(std::none_of(watch.manager.GetLoads().begin(), watch.manager.GetLoads().end(),
                                 [](const TCPULOAD& load) { return load.processId == 205; }));
    }
}

TEST(ProcessWatchTest, StatusTextShowsTheThresholdAtMost100) {
    Watch watch;
    watch.sample(QStringLiteral("shares"), 0, 1, QStringLiteral("/opt/Studio/render"));
    EXPECT_EQ(watch.condition.statusText(Texts(), QStringLiteral("/opt/Studio/render"), 250),
              "IDS_165:render\r\nIDS_166:100%\r\nIDS_167:250%\r\n");
    EXPECT_FALSE(watch.condition.busy(QStringLiteral("/opt/Studio/render"), 251, false));
}
