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
    // One process's name and times. False when it has ended or cannot be read.
    virtual bool readProcess(std::uint32_t id, ProcessStat& out) = 0;
    // The full path of the process's program file; empty when it cannot be found.
    virtual QString imagePath(std::uint32_t id) = 0;
    // Milliseconds on a clock that never goes back, cut to 32 bits.
    virtual std::uint32_t tickCount() = 0;
    // How many processes and threads the system has made since it started: while it stays the same, no
    // new process can have come. False when it cannot be told.
    virtual bool startedCount(std::uint64_t& /*count*/) { return false; }
};

// The processes of this system.
std::unique_ptr<ProcessSource> createProcessSource();

} // namespace vespera
