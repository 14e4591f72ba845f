#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace vespera {

// One reading of the processors' idle counters.
struct CpuCounters {
    // One counter per logical processor in the order the system lists them, then the total last. Each
    // grows with the time its processor spent idle, in 100-ns units; the total stands for the average
    // processor. The view stays valid until the next reading.
    std::span<const std::uint64_t> idle;
    // The moment of the reading on a clock that never goes back, in 100-ns units.
    std::int64_t time = 0;
};

// Where the processor sampler gets its raw counters from. The first successful reading fixes the
// number of instances; every later one reports the same number.
class CpuCounterSource {
public:
    enum class Status {
        Ok,
        NoProcessorObject, // the system's processor listing is missing or unreadable
        NoIdleCounter,     // a processor's idle time is missing or malformed
    };

    virtual ~CpuCounterSource() = default;
    // Takes one reading. Nothing in `out` is valid unless the status is Ok.
    virtual Status read(CpuCounters& out) = 0;
};

// The counter source of this system.
std::unique_ptr<CpuCounterSource> createCpuCounterSource();

} // namespace vespera
