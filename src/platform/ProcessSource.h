#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vespera {

// One process as the system lists it.
struct ProcessStat {
    std::uint32_t id = 0;
    std::string shortName;        // the system's short name of the process (raw bytes)
    std::uint64_t startTime = 0;  // when it started, in the system's units: tells a reused id apart
    std::uint64_t userTime = 0;   // processor time in user mode, 100-ns units
    std::uint64_t kernelTime = 0; // processor time in kernel mode, 100-ns units
};

// The running processes of this system.
class ProcessSource {
public:
    virtual ~ProcessSource() = default;
    // The ids of the running processes, rising. False when the list cannot be read.
    virtual bool listProcessIds(std::vector<std::uint32_t>& ids) = 0;
    // One process's name and times. False when it has ended or cannot be read, and for the id of a thread
    // (not a process of its own).
    virtual bool readProcess(std::uint32_t id, ProcessStat& out) = 0;
    // The full path of the process's program file; empty when it cannot be found.
    virtual QString imagePath(std::uint32_t id) = 0;
    // Milliseconds on a clock that never goes back, cut to 32 bits.
    virtual std::uint32_t tickCount() = 0;
    // The id the system gave last to a new process or thread. While it stays the same no new process can
    // have come; when it moved, the processes made since have the ids after the one before (until the
    // ids wrap around to small numbers again). False when it cannot be told.
    virtual bool newestId(std::uint32_t& /*id*/) { return false; }
};

// The processes of this system.
std::unique_ptr<ProcessSource> createProcessSource();

} // namespace vespera
