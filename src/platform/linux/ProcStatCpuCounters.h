#pragma once

#include "platform/CpuCounterSource.h"
#include "platform/linux/ProcFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace vespera {

// Processor idle counters from "stat" below the proc folder: one instance per "cpuN" line in the
// kernel's order, then the total "cpu" line. A counter is the idle plus iowait time of its line in
// 100-ns units (iowait is idle time spent waiting for a disk, and the two move between each other
// within one idle spell); the total is divided by the number of processors so that it stands for the
// average one. The time is CLOCK_MONOTONIC.
//
// The processors are those listed at the first reading, matched by number afterwards. A processor
// taken offline later counts as idle while it is away and for the reading it comes back in; one that
// appears later is not counted. A steady-state reading allocates nothing: the file is read into a
// retained buffer that starts at 8192 bytes and grows in steps of 4096 bytes, and is parsed in place.
class ProcStatCpuCounters : public CpuCounterSource {
public:
    using Clock = std::function<std::int64_t()>;

    explicit ProcStatCpuCounters(const QString& procRoot = QStringLiteral("/proc"), Clock clock = {});

    Status read(CpuCounters& out) override;

    // The size of the retained read buffer.
    std::size_t bufferSize() const { return file_.bufferSize(); }

private:
    Status discover(std::string_view text);
    Status scan(std::string_view text);
    void publish(std::int64_t now);
    std::uint64_t toTime(std::uint64_t ticks) const;

    ProcFile file_;
    Clock clock_;
    std::uint64_t ticksPerSecond_;
    bool discovered_ = false;
    std::int64_t lastTime_ = 0;
    // Per processor, in instance order.
    std::vector<unsigned> numbers_;     // its number in "cpuN"
    std::vector<std::uint64_t> raw_;    // this reading's counter, 100-ns
    std::vector<char> seen_;            // listed in this reading
    std::vector<char> present_;         // listed in the reading before
    std::vector<std::uint64_t> offset_; // keeps the counter going on after an absence
    std::uint64_t totalRaw_ = 0;        // this reading's total counter, 100-ns
    std::vector<std::uint64_t> idle_;   // the published counters, total last
};

} // namespace vespera
