#include "sensors/ProcessManager.h"

#include "sensors/ProcessNames.h"

#include <algorithm>
#include <iterator>

namespace vespera {

TProcessManager::TProcessManager(ProcessSource& source, ProgramStartWatch* starts, int intervalMs)
    : source_(source), starts_(starts) {
    timer_.setInterval(intervalMs);
    timer_.callOnTimeout([this] { SampleProcessTimes(); });
}

void TProcessManager::setInterval(int intervalMs) {
    timer_.setInterval(intervalMs);
}

void TProcessManager::need(const void* consumer, const QString& programPath, Interest interest) {
    const bool first = consumers_.empty();
    const auto it = std::find_if(consumers_.begin(), consumers_.end(),
                                 [&](const Consumer& entry) { return entry.id == consumer; });
    Consumer entry{consumer, asciiLower(fileNamePart(programPath)), programPath, interest};
    if (it == consumers_.end())
        consumers_.push_back(std::move(entry));
    else
        *it = std::move(entry);
    markWatched();
    watchStarts();
    if (first)
        SampleProcessTimes();
}

void TProcessManager::release(const void* consumer) {
    std::erase_if(consumers_, [&](const Consumer& entry) { return entry.id == consumer; });
    markWatched();
    watchStarts();
    if (!consumers_.empty())
        return;
    timer_.stop();
    records_.clear();
    listed_ = false;
    newestIdKnown_ = false;
    startsSeen_ = false;
    samplesReadingAll_ = 0;
}

void TProcessManager::watchStarts() {
    if (!starts_)
        return;
    QStringList paths;
    for (const Consumer& entry : consumers_)
        if (entry.interest == Interest::Program && !paths.contains(entry.path))
            paths.append(entry.path);
    starts_->watch(paths);
}

// The timer runs on through a sample rather than restarting after it, so it keeps its second and wakes
// the program together with the window's other one-second timers.
void TProcessManager::SampleProcessTimes() {
    RefreshProcessList(followStarts());
    if (!consumers_.empty() && !timer_.isActive())
        timer_.start();
}

void TProcessManager::verifyAll() {
    RefreshProcessList(Scope::All);
}

// Whether the start watch follows every consumer's program now. A start seen, or a change in that
// (which may leave a start unseen), has this sample and the next read every process.
TProcessManager::Scope TProcessManager::followStarts() {
    using Seen = ProgramStartWatch::Seen;
    const Seen seen = starts_ ? starts_->poll() : Seen::Unwatched;
    const bool following = seen != Seen::Unwatched &&
                           std::all_of(consumers_.begin(), consumers_.end(), [](const Consumer& entry) {
                               return entry.interest == Interest::Program;
                           });
    if (seen == Seen::Opened || following != startsSeen_)
        samplesReadingAll_ = SamplesAfterStart;
    startsSeen_ = following;
    if (samplesReadingAll_ == 0)
        return Scope::Due;
    --samplesReadingAll_;
    return Scope::All;
}

// The list of findIds, merged with the records by id (both rise). A record kept stays where it is, or
// moves up over the ones that ended; new processes are gathered apart and merged in after.
void TProcessManager::RefreshProcessList(Scope scope) {
    ++round_;
    const Ids found = findIds(scope);
    const bool probed = found == Ids::Probed;
    fresh_.clear();
    auto id = ids_.begin();
    std::size_t kept = 0;
    for (std::size_t at = 0; at < records_.size(); ++at) {
        TCPULOAD& record = records_[at];
        if (found != Ids::Unchanged) {
            for (; id != ids_.end() && *id < record.processId; ++id)
                addFresh(*id, probed);
            if (id == ids_.end() || *id != record.processId)
                continue; // not listed: ended
            ++id;
        }
        if (needsReading(record, scope) && !keep(record, scope))
            continue; // ended before its reading
        if (kept != at)
            records_[kept] = std::move(record);
        ++kept;
    }
    for (; id != ids_.end(); ++id)
        addFresh(*id, probed);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(kept), records_.end());
    if (fresh_.empty())
        return;
    const bool after = records_.empty() || records_.back().processId < fresh_.front().processId;
    const auto middle = static_cast<std::ptrdiff_t>(records_.size());
    std::move(fresh_.begin(), fresh_.end(), std::back_inserter(records_));
    if (!after)
        std::inplace_merge(records_.begin(), records_.begin() + middle, records_.end(),
                           [](const TCPULOAD& a, const TCPULOAD& b) { return a.processId < b.processId; });
}

// A process seen for the first time. While the start watch follows, a new one whose program file is none
// asked about is passed by until the next listing: turning into one opens that file.
void TProcessManager::addFresh(std::uint32_t id, bool probed) {
    if (probed && startsSeen_ && !mayRunWatched(id))
        return;
    TCPULOAD fresh;
    fresh.processId = id;
    if (source_.readProcess(id, stat_)) {
        start(fresh);
        fresh_.push_back(std::move(fresh));
    }
}

// The ids of this sample: a listing, or those kept with the ids after the newest one before, which
// are none while the newest id stayed the same.
TProcessManager::Ids TProcessManager::findIds(Scope scope) {
    std::uint32_t newest = 0;
    const bool known = source_.newestId(newest);
    const std::uint32_t before = newestId_;
    const bool comparable = known && newestIdKnown_ && listed_;
    newestIdKnown_ = known;
    newestId_ = newest;
    const bool due = ++samplesSinceListing_ >= RelistSamples;
    // Ids that went back (wrapped around) move by more than the limit as well.
    if (scope == Scope::All || due || !comparable || newest - before > ProbeLimit) {
        samplesSinceListing_ = 0;
        listed_ = source_.listProcessIds(ids_);
        return Ids::Listed;
    }
    ids_.clear();
    if (newest == before)
        return Ids::Unchanged;
    for (const TCPULOAD& record : records_)
        ids_.push_back(record.processId);
    const auto kept = static_cast<std::ptrdiff_t>(ids_.size());
    for (std::uint32_t id = before; id != newest;)
        ids_.push_back(++id);
    std::inplace_merge(ids_.begin(), ids_.begin() + kept, ids_.end());
    ids_.erase(std::unique(ids_.begin(), ids_.end()), ids_.end());
    return Ids::Probed;
}

// False when the process ended between the listing and its reading.
bool TProcessManager::keep(TCPULOAD& record, Scope scope) {
    if (!source_.readProcess(record.processId, stat_))
        return false;
    if (stat_.startTime != record.startTime) {
        start(record);
        return true;
    }
    const bool renamed = stat_.shortName != record.shortName;
    if (renamed || (scope == Scope::All && record.watched)) {
        const QString path = record.imagePath;
        identify(record);
        if (renamed || record.imagePath != path)
            record.timedReadings = 0;
        record.shortName = stat_.shortName;
    }
    takeTimes(record);
    return true;
}

// The name test runs when a process's name or the consumers change, not at every sample.
void TProcessManager::markWatched() {
    for (TCPULOAD& record : records_)
        record.watched = watchedName(record.matchName);
}

bool TProcessManager::asksAbout(const QString& name) const {
    return std::any_of(consumers_.begin(), consumers_.end(),
                       [&](const Consumer& entry) { return entry.name == name; });
}

bool TProcessManager::watchedName(const QString& matchName) const {
    return std::any_of(consumers_.begin(), consumers_.end(), [&](const Consumer& entry) {
        return !entry.name.isEmpty() && matchName.contains(entry.name);
    });
}

// A process whose program file cannot be told may run a watched program.
bool TProcessManager::mayRunWatched(std::uint32_t id) {
    const QString path = source_.imagePath(id);
    return path.isEmpty() || watchedName(asciiLower(fileNamePart(path)));
}

// A process seen for the first time, or a new one under a reused id.
void TProcessManager::start(TCPULOAD& record) {
    record.shortName = stat_.shortName;
    record.startTime = stat_.startTime;
    record.timedReadings = 0;
    identify(record);
    takeTimes(record);
}

void TProcessManager::identify(TCPULOAD& record) {
    record.imagePath = source_.imagePath(record.processId);
    record.exeName =
        record.imagePath.isEmpty() ? QString::fromUtf8(stat_.shortName) : fileNamePart(record.imagePath);
    record.matchName = asciiLower(record.exeName);
    record.watched = watchedName(record.matchName);
}

void TProcessManager::takeTimes(TCPULOAD& record) {
    const std::uint32_t now = source_.tickCount();
    if (record.timedReadings > 0 && now - record.currentTick < MinIntervalMs)
        return;
    const std::uint32_t user = CpuTimeMs(stat_.userTime);
    const std::uint32_t kernel = CpuTimeMs(stat_.kernelTime);
    const bool first = record.timedReadings == 0;
    record.previousTick = first ? now : record.currentTick;
    record.previousUserMs = first ? user : record.currentUserMs;
    record.previousKernelMs = first ? kernel : record.currentKernelMs;
    record.currentTick = now;
    record.currentUserMs = user;
    record.currentKernelMs = kernel;
    record.timedReadings = std::min(record.timedReadings + 1, 2);
}

int TProcessManager::GetProcessUsage(std::uint32_t processId) const {
    const auto it = std::lower_bound(records_.begin(), records_.end(), processId,
                                     [](const TCPULOAD& r, std::uint32_t id) { return r.processId < id; });
    if (it == records_.end() || it->processId != processId)
        return 0;
    const std::uint32_t dt = it->currentTick - it->previousTick;
    if (dt == 0)
        return 0;
    const std::uint32_t used =
        (it->currentUserMs - it->previousUserMs) + (it->currentKernelMs - it->previousKernelMs);
    return static_cast<int>(used * 100u / dt);
}

std::uint32_t TProcessManager::CpuTimeMs(std::uint64_t duration) {
    return static_cast<std::uint32_t>(duration / 10'000);
}

} // namespace vespera
