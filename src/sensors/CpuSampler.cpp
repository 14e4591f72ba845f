#include "sensors/CpuSampler.h"

#include <algorithm>
#include <stdexcept>

namespace vespera {

namespace {

const char* const IndexOutOfBounds = "CPU index out of bounds";
const char* const NoProcessorObject = "Unable to locate the \"Processor\" performance object";
const char* const NoIdleCounter = "Unable to locate the \"% of CPU usage\" performance counter";

void raiseFor(CpuCounterSource::Status status) {
    switch (status) {
    case CpuCounterSource::Status::Ok:
        return;
    case CpuCounterSource::Status::NoProcessorObject:
        throw std::runtime_error(NoProcessorObject);
    case CpuCounterSource::Status::NoIdleCounter:
        throw std::runtime_error(NoIdleCounter);
    }
}

} // namespace

CpuSampler::CpuSampler(std::unique_ptr<CpuCounterSource> source) : source_(std::move(source)) {}

void CpuSampler::CollectCpuSample() {
    CpuCounters counters;
    raiseFor(source_->read(counters));
    if (instanceCount_ < 0) {
        takeFirst(counters);
        return;
    }
    // A source that changed its instance count cannot be matched to the arrays any more.
    if (counters.idle.size() != current_.size())
        throw std::runtime_error(NoProcessorObject);
    current_.swap(previous_);
    std::copy(counters.idle.begin(), counters.idle.end(), current_.begin());
    previousSampleTime_ = sampleTime_;
    sampleTime_ = counters.time;
}

void CpuSampler::takeFirst(const CpuCounters& counters) {
    instanceCount_ = static_cast<int>(counters.idle.size());
    current_.assign(counters.idle.begin(), counters.idle.end());
    previous_ = current_;
    sampleTime_ = counters.time;
    previousSampleTime_ = counters.time;
}

void CpuSampler::ensureSampled() {
    if (instanceCount_ < 0)
        CollectCpuSample();
}

int CpuSampler::GetCpuInstanceCount() {
    ensureSampled();
    return instanceCount_;
}

double CpuSampler::GetCpuInstanceLoad(int index) {
    ensureSampled();
    if (index < 0 || index >= instanceCount_)
        throw std::runtime_error(IndexOutOfBounds);
    const auto i = static_cast<std::size_t>(index);
    const auto idle = static_cast<std::int64_t>(current_[i] - previous_[i]);
    const std::int64_t elapsed = sampleTime_ - previousSampleTime_;
    if (elapsed == 0)
        return 0.0;
    return 1.0 - static_cast<double>(idle) / static_cast<double>(elapsed);
}

void CpuSampler::StopCpuSampling() {}

} // namespace vespera
