#pragma once

#include "platform/CpuCounterSource.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vespera {

// The load of each processor instance between the two latest samples, as a fraction (1.0 = fully
// busy). The instances are those of the counter source: one per logical processor, then the total.
// Failures are raised as std::runtime_error with one of the texts "CPU index out of bounds",
// "Unable to locate the \"Processor\" performance object" and
// "Unable to locate the \"% of CPU usage\" performance counter".
//
// The first sample serves as both readings, so every load reads 0 until the second sample.
class CpuSampler {
public:
    explicit CpuSampler(std::unique_ptr<CpuCounterSource> source);

    // Takes one sample of all instances. A failed sample leaves the last good one in place.
    void CollectCpuSample();
    // The number of instances, fixed by the first sample (taken here if none was taken yet).
    int GetCpuInstanceCount();
    // 1 - idle time / elapsed time of one instance between the two latest samples; 0 when both carry
    // the same time. Counters read slightly ahead of the clock give small negative values.
    double GetCpuInstanceLoad(int index);
    // Ends the sampling at program end. The counter sources here need no start, so there is nothing
    // to end.
    void StopCpuSampling();

private:
    void ensureSampled();
    void takeFirst(const CpuCounters& counters);

    std::unique_ptr<CpuCounterSource> source_;
    int instanceCount_ = -1;
    std::vector<std::uint64_t> current_;
    std::vector<std::uint64_t> previous_;
    std::int64_t sampleTime_ = 0;
    std::int64_t previousSampleTime_ = 0;
};

} // namespace vespera
