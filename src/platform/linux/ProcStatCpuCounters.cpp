#include "platform/linux/ProcStatCpuCounters.h"

#include <QFile>

#include <algorithm>
#include <charconv>

#include <time.h>
#include <unistd.h>

namespace vespera {

namespace {

using Status = CpuCounterSource::Status;

constexpr std::size_t InitialBufferSize = 8192;
constexpr std::size_t BufferGrowth = 4096;
constexpr std::size_t BufferLimit = 16 * 1024 * 1024;
constexpr std::uint64_t UnitsPerSecond = 10'000'000; // 100-ns units

std::int64_t monotonicTime() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 10'000'000 + now.tv_nsec / 100;
}

std::uint64_t clockTicksPerSecond() {
    const long ticks = ::sysconf(_SC_CLK_TCK);
    return ticks > 0 ? static_cast<std::uint64_t>(ticks) : 100;
}

enum class LineKind { Other, Total, Processor, Malformed };

struct CpuLine {
    LineKind kind = LineKind::Other;
    unsigned number = 0;
    std::uint64_t idleTicks = 0; // idle + iowait
};

// Reads one blank-separated unsigned number off the front of `rest`.
bool takeNumber(std::string_view& rest, std::uint64_t& value) {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return false;
    rest.remove_prefix(start);
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc())
        return false;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return rest.empty() || rest.front() == ' ';
}

// "cpu" followed by a blank is the total, "cpu" followed by a number a processor; anything else is
// not a processor line. The fields are user, nice, system, idle, iowait and more. A processor line
// without its line end was cut off and is not trusted.
CpuLine parseCpuLine(std::string_view text, bool complete) {
    if (!text.starts_with("cpu"))
        return {};
    if (!complete)
        return {LineKind::Malformed};
    text.remove_prefix(3);
    CpuLine line;
    if (text.starts_with(' ')) {
        line.kind = LineKind::Total;
    } else {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), line.number);
        if (error != std::errc() || end == text.data() + text.size() || *end != ' ')
            return {};
        line.kind = LineKind::Processor;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    std::uint64_t fields[5] = {};
    for (std::uint64_t& field : fields) {
        if (!takeNumber(text, field))
            return {LineKind::Malformed};
    }
    line.idleTicks = fields[3] + fields[4];
    return line;
}

// Hands every total and processor line to `onLine`, which returns false when the line does not fit
// the listing. Stops at the first malformed or misfit line.
template <typename OnLine> Status visitCpuLines(std::string_view text, OnLine onLine) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const CpuLine line = parseCpuLine(text.substr(0, end), end != std::string_view::npos);
        if (line.kind == LineKind::Malformed)
            return Status::NoIdleCounter;
        if (line.kind != LineKind::Other && !onLine(line))
            return Status::NoProcessorObject;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return Status::Ok;
}

} // namespace

ProcStatCpuCounters::ProcStatCpuCounters(const QString& procRoot, Clock clock)
    : file_(QFile::encodeName(procRoot + QStringLiteral("/stat")), InitialBufferSize, BufferGrowth,
            BufferLimit, ProcFile::Rendered::WholeAtOnce),
      clock_(clock ? std::move(clock) : Clock(monotonicTime)), ticksPerSecond_(clockTicksPerSecond()) {}

CpuCounterSource::Status ProcStatCpuCounters::read(CpuCounters& out) {
    const std::string_view text = file_.read().value_or(std::string_view());
    Status status = discovered_ ? Status::Ok : discover(text);
    if (status == Status::Ok)
        status = scan(text);
    if (status != Status::Ok)
        return status;
    publish(clock_());
    out.idle = idle_;
    out.time = lastTime_;
    return Status::Ok;
}

// The first good reading fixes the processors: their numbers must rise, and the total must be there.
CpuCounterSource::Status ProcStatCpuCounters::discover(std::string_view text) {
    numbers_.clear();
    bool total = false;
    Status status = visitCpuLines(text, [&](const CpuLine& line) {
        if (line.kind == LineKind::Total)
            return total = true;
        if (!numbers_.empty() && line.number <= numbers_.back())
            return false;
        numbers_.push_back(line.number);
        return true;
    });
    if (status == Status::Ok && (!total || numbers_.empty()))
        status = Status::NoProcessorObject;
    if (status != Status::Ok)
        return status;
    const std::size_t count = numbers_.size();
    raw_.assign(count, 0);
    seen_.assign(count, 0);
    present_.assign(count, 1);
    offset_.assign(count, 0);
    idle_.assign(count + 1, 0);
    discovered_ = true;
    return Status::Ok;
}

// Matches the processor lines to the fixed processors by number; the kernel lists them in rising
// order, so one pass with a cursor finds them all.
CpuCounterSource::Status ProcStatCpuCounters::scan(std::string_view text) {
    std::fill(seen_.begin(), seen_.end(), 0);
    bool total = false;
    std::size_t cursor = 0;
    const Status status = visitCpuLines(text, [&](const CpuLine& line) {
        if (line.kind == LineKind::Total) {
            totalRaw_ = toTime(line.idleTicks);
            return total = true;
        }
        while (cursor < numbers_.size() && numbers_[cursor] < line.number)
            ++cursor;
        if (cursor < numbers_.size() && numbers_[cursor] == line.number) {
            raw_[cursor] = toTime(line.idleTicks);
            seen_[cursor++] = 1;
        }
        return true;
    });
    if (status == Status::Ok && !total)
        return Status::NoProcessorObject;
    return status;
}

// An absent processor idles through the time since the last reading; when it comes back, its
// counter goes on from where it stood rather than jumping to the kernel's value.
void ProcStatCpuCounters::publish(std::int64_t now) {
    const auto elapsed = static_cast<std::uint64_t>(now - lastTime_);
    const std::size_t count = numbers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (seen_[i] && !present_[i])
            offset_[i] = idle_[i] + elapsed - raw_[i];
        idle_[i] = seen_[i] ? raw_[i] + offset_[i] : idle_[i] + elapsed;
        present_[i] = seen_[i];
    }
    idle_[count] = totalRaw_ / count;
    lastTime_ = now;
}

// Clock ticks to 100-ns units, without overflowing for large tick counts.
std::uint64_t ProcStatCpuCounters::toTime(std::uint64_t ticks) const {
    return ticks / ticksPerSecond_ * UnitsPerSecond +
           ticks % ticksPerSecond_ * UnitsPerSecond / ticksPerSecond_;
}

std::unique_ptr<CpuCounterSource> createCpuCounterSource() {
    return std::make_unique<ProcStatCpuCounters>();
}

} // namespace vespera
