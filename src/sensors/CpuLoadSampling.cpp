#include "sensors/CpuLoadSampling.h"

#include "settings/Settings.h"
#include "engine/WatchState.h"
#include "sensors/CpuSampler.h"

#include <algorithm>
#include <climits>
#include <exception>

namespace vespera {

namespace {

// Whole percent, truncated toward zero. Values at or below 0 (and a NaN) count as 0; a value beyond
// the int range cannot come from a sane sample and is capped rather than overflowing.
int truncatePercent(double value) {
    if (!(value > 0.0))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

} // namespace

CpuLoadSampling::CpuLoadSampling(CpuSampler& sampler) : sampler_(sampler) {}

int CpuLoadSampling::SampleCpuLoad(WatchState& state, const Settings& settings) {
    const int previous = state.cpuLoad;
    state.cpuLoad = measure(settings.processormethod);
    if (settings.Daempfung)
        damp(state.cpuLoad, previous, settings.fmaxdaempfung);
    if (!state.armed)
        state.statusLine.clear();
    return std::clamp(state.cpuLoad, 0, 100);
}

// A tick whose sample fails reads 0 and does not count as measured; the timer goes on.
int CpuLoadSampling::measure(int processormethod) {
    try {
        sampler_.CollectCpuSample();
        goodSamples_ = std::min(goodSamples_ + 1, 2);
        return truncatePercent(processormethod != 0 ? highest() : average());
    } catch (const std::exception&) {
        goodSamples_ = 0;
        return 0;
    }
}

// The mean over every processor, the total left out; an idle or negative reading adds nothing but
// still counts in the divisor.
double CpuLoadSampling::average() {
    const int processors = sampler_.GetCpuInstanceCount() - 1;
    if (processors <= 0)
        return 0.0;
    double sum = 0.0;
    for (int i = 0; i < processors; ++i)
        sum += std::max(sampler_.GetCpuInstanceLoad(i) * 100.0, 0.0);
    return sum / processors;
}

// The busiest single processor, the total left out.
double CpuLoadSampling::highest() {
    const int processors = sampler_.GetCpuInstanceCount() - 1;
    double best = 0.0;
    for (int i = 0; i < processors; ++i)
        best = std::max(sampler_.GetCpuInstanceLoad(i) * 100.0, best);
    return best;
}

// A new value stands only on every (length + 1)-th tick; in between the previous one is kept.
void CpuLoadSampling::damp(int& cpuLoad, int previous, int length) {
    ++dampCounter_;
    if (dampCounter_ > length)
        dampCounter_ = 0;
    else
        cpuLoad = previous;
}

} // namespace vespera
