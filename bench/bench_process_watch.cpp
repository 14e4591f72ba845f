// One second of the process watch (the manager's sample, the busy test and the status text) beside a
// plain walk that reads every process's stat file once, on fixture trees of 300, 3,000 and 30,000
// processes and on this machine's /proc. The watched program runs as one of the processes. In the
// fixture trees no process is made between samples; the second is measured with the other processes
// read in turn, and with a program start watch that saw nothing.
#include <benchmark/benchmark.h>

#include "l10n/TextSource.h"
#include "platform/ProgramStartWatch.h"
#include "platform/linux/ProcProcessSource.h"
#include "sensors/ProcessCondition.h"
#include "sensors/ProcessManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

using namespace vespera;

const QString Watched = QStringLiteral("/opt/job/render");

struct Texts : TextSource {
    QString lookupText(const QString& key) const override { return key; }
};

struct QuietStarts : ProgramStartWatch {
    void watch(const QStringList&) override {}
    Seen poll() override { return Seen::Nothing; }
};

// A process tree of `count` processes below a temporary folder, made once per size.
QString fixtureTree(int count) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> trees;
    auto& tree = trees[count];
    if (!tree) {
        tree = std::make_unique<QTemporaryDir>();
        QFile system(tree->path() + QStringLiteral("/stat"));
        system.open(QIODevice::WriteOnly);
        system.write("cpu  1 0 1 100 0 0 0 0 0 0\nprocesses 1000\n");
        for (int i = 0; i < count; ++i) {
            const int pid = 100 + i;
            const QString folder = tree->path() + QStringLiteral("/%1").arg(pid);
            QDir().mkpath(folder);
            const bool watched = i == count / 2;
            QFile stat(folder + QStringLiteral("/stat"));
            stat.open(QIODevice::WriteOnly);
            stat.write(QStringLiteral("%1 (%2) S 1 %1 %1 0 -1 4194304 120 0 0 0 %3 17 0 0 20 0 1 0 %4 "
                                      "9000000 300 18446744073709551615 1 1 0 0 0 0 0 0 0 0 0 0 17 1 0 0 0 "
                                      "0 0 0 0 0 0 0 0 0\n")
                           .arg(pid)
                           .arg(watched ? QStringLiteral("render") : QStringLiteral("worker-%1").arg(i % 50))
                           .arg(i * 7)
                           .arg(1000 + i)
                           .toLatin1());
            QFile::link(watched ? Watched : QStringLiteral("/usr/bin/worker-%1").arg(i % 50),
                        folder + QStringLiteral("/exe"));
        }
    }
    return tree->path();
}

QString rootFor(const benchmark::State& state) {
    return state.range(0) == 0 ? QStringLiteral("/proc") : fixtureTree(static_cast<int>(state.range(0)));
}

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "bench_process_watch";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Every process's stat file read once: the cost of a full walk per second.
void BM_ReadEveryStat(benchmark::State& state) {
    ProcProcessSource source(rootFor(state));
    std::vector<std::uint32_t> ids;
    ProcessStat stat;
    for (auto _ : state) {
        source.listProcessIds(ids);
        for (const std::uint32_t id : ids)
            benchmark::DoNotOptimize(source.readProcess(id, stat));
    }
    state.counters["processes"] = static_cast<double>(ids.size());
}

// One second of work with the process condition on, in the steady state; the second argument 1 adds a
// program start watch.
void BM_ProcessSecond(benchmark::State& state) {
    application();
    std::uint32_t tick = 0;
    ProcProcessSource source(rootFor(state), [&tick] { return tick; });
    QuietStarts starts;
    TProcessManager manager(source, state.range(1) ? &starts : nullptr);
    ProcessCondition condition(manager);
    const Texts texts;
    condition.watch(true, Watched);
    for (int i = 0; i < TProcessManager::RecheckSamples; ++i) {
        tick += 1000;
        manager.SampleProcessTimes();
    }
    for (auto _ : state) {
        tick += 1000;
        manager.SampleProcessTimes();
        benchmark::DoNotOptimize(condition.busy(Watched, 1, false));
        benchmark::DoNotOptimize(condition.statusText(texts, Watched, 1));
    }
    state.counters["processes"] = static_cast<double>(manager.GetLoads().size());
}

// The check of every process before the count may run out: once per period.
void BM_FinalCheck(benchmark::State& state) {
    application();
    std::uint32_t tick = 0;
    ProcProcessSource source(rootFor(state), [&tick] { return tick; });
    TProcessManager manager(source);
    ProcessCondition condition(manager);
    condition.watch(true, Watched);
    for (auto _ : state) {
        tick += 1000;
        benchmark::DoNotOptimize(condition.busy(Watched, 1, true));
    }
}

// 0 stands for this machine's /proc.
BENCHMARK(BM_ReadEveryStat)
    ->ArgName("processes")
    ->Arg(0)
    ->Arg(300)
    ->Arg(3000)
    ->Arg(30000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessSecond)
    ->ArgNames({"processes", "starts"})
    ->ArgsProduct({{0, 300, 3000, 30000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FinalCheck)
    ->ArgName("processes")
    ->Arg(0)
    ->Arg(300)
    ->Arg(3000)
    ->Arg(30000)
    ->Unit(benchmark::kMicrosecond);

} // namespace
