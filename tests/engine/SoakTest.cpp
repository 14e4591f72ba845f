// A long run of one-second ticks through the watch, with the real sensors reading a fixture tree that
// changes every tick: processor counters, the interface table and the process folders. Memory stays
// flat, every condition measures in every tick, and the watch fires exactly where the fixtures have
// been quiet for the whole period. VESPERA_SOAK_TICKS sets the number of ticks (default: a day).
#include <gtest/gtest.h>

#include "engine/LoopHost.h"
#include "engine/MonitorLoop.h"
#include "l10n/TextSource.h"
#include "platform/linux/ProcNetDevIPHelper.h"
#include "platform/linux/ProcProcessSource.h"
#include "platform/linux/ProcStatCpuCounters.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"
#include "sensors/NetworkMeter.h"
#include "sensors/ProcessCondition.h"
#include "sensors/ProcessManager.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

using namespace vespera;

namespace {

// One pattern of the fixtures: the processor busy, then the network, then the watched program runs,
// then everything is quiet for 760 ticks.
constexpr int Cycle = 1000;
constexpr int CpuBusyEnd = 50, NetBusyFrom = 100, NetBusyEnd = 120, ProgramFrom = 200, ProgramEnd = 240;
constexpr std::uint32_t ProgramId = 500;
const QString Program = QStringLiteral("/opt/Studio/render");

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MeasuresMemory = false; // the sanitizer's quarantine holds freed memory on purpose
#else
constexpr bool MeasuresMemory = true;
#endif

class FixtureTree {
public:
    explicit FixtureTree(const QString& root) : root_(root) {
        QDir().mkpath(root + QStringLiteral("/proc/net"));
        for (const char* name : {"lo", "eth0"})
            QDir().mkpath(root + QStringLiteral("/sys/class/net/") + QLatin1String(name));
        write(QStringLiteral("/sys/class/net/lo/type"), "772\n");
        write(QStringLiteral("/sys/class/net/eth0/type"), "1\n");
        QFile recorded(QStringLiteral(VESPERA_TEST_DATA "/proc-stat/recorded-1"));
        recorded.open(QIODevice::ReadOnly);
        statTail_ =
            recorded.readAll().split('\n').mid(3).join('\n').replace("processes 9309\n", ""); // counted here
        addProcess(1, "systemd", "/usr/lib/systemd/systemd", 0);
    }

    void advance(int tick) {
        const int phase = tick % Cycle;
        const std::uint64_t busy = phase < CpuBusyEnd ? 60 : 1;
        user_ += busy;
        idle_ += 100 - busy;
        rx_ += (phase >= NetBusyFrom && phase < NetBusyEnd) ? 100 * 1024 : 1024;
        loopback_ += 10'000'000;
        write(QStringLiteral("/proc/net/dev"), netDevFile());
        // A short-lived helper process every tick, three ticks long.
        addProcess(10'000 + tick, "helper", "/usr/bin/helper", tick);
        removeProcess(10'000 + tick - 3);
        if (phase == ProgramFrom)
            programTime_ = 0;
        if (phase >= ProgramFrom && phase < ProgramEnd) {
            programTime_ += 50;
            addProcess(ProgramId, "render", Program, tick - phase + ProgramFrom, programTime_);
        } else if (phase == ProgramEnd) {
            removeProcess(ProgramId);
        }
        write(QStringLiteral("/proc/stat"), statFile()); // with the processes made so far
    }

private:
    QByteArray statFile() const {
        QByteArray text = "cpu  " + cpuFields(2 * user_, 2 * idle_);
        for (const char* name : {"cpu0 ", "cpu1 "})
            text += name + cpuFields(user_, idle_);
        return text + "processes " + QByteArray::number(made_) + "\n" + statTail_;
    }

    static QByteArray cpuFields(std::uint64_t user, std::uint64_t idle) {
        return QByteArray::number(user) + " 0 0 " + QByteArray::number(idle) + " 0 0 0 0 0 0\n";
    }

    QByteArray netDevFile() const {
        const auto row = [](const char* name, std::uint64_t bytes) {
            return QByteArray(name) + ": " + QByteArray::number(bytes) + " 1 0 0 0 0 0 0 " +
                   QByteArray::number(bytes / 2) + " 1 0 0 0 0 0 0\n";
        };
        return "Inter-|   Receive |  Transmit\n face |bytes packets|bytes packets\n" +
               row("    lo", loopback_) + row("  eth0", rx_);
    }

    void addProcess(std::uint32_t id, const char* name, const QString& program, int startTick,
                    std::uint64_t userTime = 0) {
        const QString folder = processFolder(id);
        made_ += QDir(folder).exists() ? 0 : 1;
        if (QDir().mkpath(folder))
            QFile::link(program, folder + QStringLiteral("/exe"));
        write(folder.mid(root_.size()) + QStringLiteral("/stat"),
              QByteArray::number(id) + " (" + name + ") S 1 1 1 0 -1 0 0 0 0 0 " +
                  QByteArray::number(userTime) + " 0 0 0 20 0 1 0 " + QByteArray::number(100 * startTick) +
                  " 1000 100\n");
    }

    void removeProcess(std::uint32_t id) { QDir(processFolder(id)).removeRecursively(); }

    QString processFolder(std::uint32_t id) const {
        return root_ + QStringLiteral("/proc/") + QString::number(id);
    }

    void write(const QString& path, const QByteArray& bytes) const {
        QFile file(root_ + path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(bytes) == bytes.size())
            << path.toStdString();
    }

    QString root_;
    QByteArray statTail_;
    std::uint64_t user_ = 1000, idle_ = 50'000, programTime_ = 0, made_ = 0;
    std::uint64_t rx_ = 0xFFFF'FFFFull - 500'000, loopback_ = 0; // eth0's counter wraps in the first cycle
};

struct Texts : TextSource {
    QString lookupText(const QString& key) const override { return key + QStringLiteral(" %1 %2"); }
};

// What the main window does with the sensors, without the window.
class SoakSensors : public LoopSensors, public LoopHost {
public:
    SoakSensors(WatchState& state, CpuLoadSampling& cpu, NetworkMeter& net, ProcessCondition& process)
        : state_(state), cpu_(cpu), net_(net), process_(process) {}

    QString unmeasuredReason(StateCondition condition) override {
        const bool measures = condition == StateCondition::Processor ? cpu_.measuring()
                              : condition == StateCondition::Network ? net_.measuring()
                              : condition == StateCondition::Process
                                  ? process_.unmeasured() == ProcessCondition::Unmeasured::None
                                  : false;
        unmeasuredTicks += measures ? 0 : 1;
        return measures ? QString() : QStringLiteral("unmeasured");
    }
    bool processBusy() override {
        return process_.busy(Program, 10, state_.periodSeconds - state_.idleSeconds <= 0);
    }
    bool scheduleMatches() override { return false; }
    QString scheduleDescription(const QString&) override { return {}; }

    void disarm() override { ADD_FAILURE() << "disarmed"; }
    void showProcessStatus() override { process_.statusText(texts_, Program, 10); }
    void refreshSystemInfo() override {}
    void showCountdown(int) override {}
    void closeCountdown() override {}
    void setCountdownText(const QString&) override {}
    void stopTick() override { state_.tickRunning = false; }
    void runShutdownCommand() override {}
    void performAction(const QString&) override { firings.push_back(tick); }

    int tick = 0;
    int unmeasuredTicks = 0;
    std::vector<int> firings;

private:
    Texts texts_;
    WatchState& state_;
    CpuLoadSampling& cpu_;
    NetworkMeter& net_;
    ProcessCondition& process_;
};

std::int64_t residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

} // namespace

TEST(SoakTest, TicksWithChangingFixtures) {
    const int ticks = qEnvironmentVariableIsSet("VESPERA_SOAK_TICKS")
                          ? qEnvironmentVariableIntValue("VESPERA_SOAK_TICKS")
                          : 86'400;
    ASSERT_GE(ticks, 2 * Cycle);
    int argc = 1;
    char name[] = "test_soak";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv); // the process manager's timer wants one
    // The fixtures are rewritten every tick: in memory where the system has a memory file system.
    const QString memory = QStringLiteral("/dev/shm");
    QTemporaryDir dir((QFileInfo(memory).isWritable() ? memory : QDir::tempPath()) +
                      QStringLiteral("/vespera-soak-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    FixtureTree tree(dir.path());
    int now = 0;
    const QString proc = dir.path() + QStringLiteral("/proc");
    CpuSampler sampler(std::make_unique<ProcStatCpuCounters>(proc, [&now] { return now * 10'000'000ll; }));
    CpuLoadSampling cpu(sampler);
    ProcNetDevIPHelper helper(proc, dir.path() + QStringLiteral("/sys"));
    NetworkMeter net(helper);
    ProcProcessSource processes(proc, [&now] { return 5000u + 1000u * static_cast<std::uint32_t>(now); });
    TProcessManager manager(processes);
    ProcessCondition process(manager);

    WatchState state;
    state.conditions = {.processor = true, .network = true, .process = true};
    state.armed = state.tickRunning = true;
    state.netThreshold = 10;
    SoakSensors sensors(state, cpu, net, process);
    Texts texts;
    MonitorLoop loop(state, sensors, sensors, texts);
    loop.setTime();
    const Settings settings;
    tree.advance(0);
    net.startScale(state.netThreshold);
    net.RefreshInterfaces(true);
    process.watch(true, Program);

    std::int64_t settled = 0;
    for (now = 1; now <= ticks; ++now) {
        sensors.tick = now;
        tree.advance(now);
        cpu.SampleCpuLoad(state, settings);
        net.RefreshInterfaces(false);
        state.netLoad = net.NetLoad();
        manager.SampleProcessTimes();
        loop.tick();
        if (!state.tickRunning) { // the window arms the watch again after an action
            state.tickRunning = true;
            loop.setTime();
        }
        if (now == Cycle)
            settled = residentBytes();
    }

    // The first tick has no sample before it; after that every condition measures.
    EXPECT_EQ(sensors.unmeasuredTicks, 1);
    std::vector<int> expected;
    for (int at = ProgramEnd - 1 + 300; at <= ticks; at += (at % Cycle == ProgramEnd - 1 + 300) ? 300 : 700)
        expected.push_back(at);
    EXPECT_EQ(sensors.firings, expected);
    if (MeasuresMemory) {
        const std::int64_t growth = residentBytes() - settled;
        std::printf("%d ticks: resident %lld KiB after the first %d, then %+lld KiB\n", ticks,
                    static_cast<long long>(settled / 1024), Cycle, static_cast<long long>(growth / 1024));
        EXPECT_LE(growth, 1024 * 1024);
    }
}
