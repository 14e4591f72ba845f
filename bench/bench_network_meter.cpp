// One tick of the network meter (RefreshInterfaces(false)): reading the interface table and measuring
// it, with 4 and with 64 interfaces, and on this machine's own table. Reports the heap allocations per
// tick next to the time; the steady state should make none.
#include "AllocationCount.h"
#include "platform/linux/ProcNetDevIPHelper.h"
#include "sensors/NetworkMeter.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace vespera;

// A proc folder whose "net/dev" lists `count` interfaces, laid out as the kernel writes it.
class NetDevFixture {
public:
    explicit NetDevFixture(int count) {
        QDir(dir_.path()).mkpath(QStringLiteral("net"));
        QFile file(dir_.filePath(QStringLiteral("net/dev")));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write("Inter-|   Receive                                                |  Transmit\n"
                   " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs "
                   "drop fifo colls carrier compressed\n");
        for (int i = 0; i < count; ++i) {
            const QString name = i == 0 ? QStringLiteral("lo") : QStringLiteral("veth%1").arg(i);
            file.write(
                QStringLiteral("%1: %2 %3    0    0    0     0          0         0 %4 %5    0    0    0  "
                               "   0       0          0\n")
                    .arg(name, 6)
                    .arg(83217266ULL * static_cast<unsigned long long>(i + 1), 8)
                    .arg(2460 + i, 7)
                    .arg(71788 * (i + 1), 8)
                    .arg(797 + i, 7)
                    .toLatin1());
        }
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

void measureTick(benchmark::State& state, const QString& procRoot, const QString& sysRoot) {
    ProcNetDevIPHelper helper(procRoot, sysRoot);
    NetworkMeter meter(helper);
    meter.setNetworkCard(1);
    meter.RefreshInterfaces(true);
    meter.RefreshInterfaces(false); // the first tick may size the retained buffers
    const long long before = allocationCount();
    for (auto _ : state) {
        meter.RefreshInterfaces(false);
        benchmark::DoNotOptimize(meter.NetLoad());
    }
    state.counters["allocs_per_tick"] =
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations());
    state.counters["interfaces"] = static_cast<double>(meter.statistics().size());
}

void BM_RefreshInterfaces(benchmark::State& state) {
    const NetDevFixture fixture(static_cast<int>(state.range(0)));
    measureTick(state, fixture.path(), fixture.path());
}
BENCHMARK(BM_RefreshInterfaces)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);

void BM_RefreshInterfacesOwnSystem(benchmark::State& state) {
    measureTick(state, QStringLiteral("/proc"), QStringLiteral("/sys"));
}
BENCHMARK(BM_RefreshInterfacesOwnSystem)->Unit(benchmark::kMicrosecond);

} // namespace
