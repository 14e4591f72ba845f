#pragma once

#include "platform/CpuCounterSource.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vespera {

// A counter source that replays readings set up by the test, one per read. Reading past the script
// fails.
class ScriptedCpuCounters : public CpuCounterSource {
public:
    static constexpr std::int64_t Second = 10'000'000;

    struct Reading {
        std::vector<std::uint64_t> idle;
        std::int64_t time = 0;
        Status status = Status::Ok;
    };

    Status read(CpuCounters& out) override {
        ++reads;
        if (next_ >= script.size())
            return Status::NoProcessorObject;
        const Reading& reading = script[next_++];
        if (reading.status == Status::Ok) {
            out.idle = reading.idle;
            out.time = reading.time;
        }
        return reading.status;
    }

    void add(std::vector<std::uint64_t> idle, std::int64_t time) {
        script.push_back({std::move(idle), time});
    }
    void addFailure(Status status) { script.push_back({{}, 0, status}); }

    // A reading one second after the last good one in which instance i was busy for loads[i] of the
    // second; the first call starts from zero counters at time 0.
    void addLoads(const std::vector<double>& loads) {
        Reading reading{std::vector<std::uint64_t>(loads.size()), 0};
        for (auto it = script.rbegin(); it != script.rend(); ++it) {
            if (it->status == Status::Ok && it->idle.size() == loads.size()) {
                reading = *it;
                break;
            }
        }
        reading.time += Second;
        for (std::size_t i = 0; i < loads.size(); ++i)
            reading.idle[i] += static_cast<std::uint64_t>(std::llround((1.0 - loads[i]) * Second));
        script.push_back(reading);
    }

    std::vector<Reading> script;
    int reads = 0;

private:
    std::size_t next_ = 0;
};

} // namespace vespera
