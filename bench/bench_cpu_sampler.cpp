// One processor sample per iteration on this machine's /proc/stat: the read and parse of the counters
// and the aggregation of the main window's tick (SampleCpuLoad takes the sample itself). Reports the
// heap allocations per sample beside the time; a steady-state sample should make none.
#include <benchmark/benchmark.h>

#include "AllocationCount.h"
#include "settings/Settings.h"
#include "engine/WatchState.h"
#include "platform/CpuCounterSource.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"

namespace {

void BM_CpuSample(benchmark::State& state) {
    vespera::CpuSampler sampler(vespera::createCpuCounterSource());
    vespera::CpuLoadSampling sampling(sampler);
    vespera::WatchState watch;
    vespera::Settings settings;
    settings.processormethod = static_cast<int>(state.range(0));
    // The first sample sizes the arrays; from the second on the sampler is in its steady state.
    sampling.SampleCpuLoad(watch, settings);
    sampling.SampleCpuLoad(watch, settings);
    const long long before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(sampling.SampleCpuLoad(watch, settings));
    state.counters["allocs_per_sample"] = benchmark::Counter(static_cast<double>(allocationCount() - before),
                                                             benchmark::Counter::kAvgIterations);
    state.counters["instances"] = sampler.GetCpuInstanceCount();
}

BENCHMARK(BM_CpuSample)->ArgName("processormethod")->Arg(0)->Arg(1);

} // namespace
