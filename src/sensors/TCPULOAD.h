#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace vespera {

// One process as the process manager keeps it: the processor times of its two latest readings and
// what identifies it.
struct TCPULOAD {
    std::uint32_t processId = 0;
    QString exeName; // the file name of its program, or the system's short name while that is unknown
    std::uint32_t previousTick = 0;
    std::uint32_t currentTick = 0;
    std::uint32_t previousUserMs = 0;
    std::uint32_t currentUserMs = 0;
    std::uint32_t previousKernelMs = 0;
    std::uint32_t currentKernelMs = 0;

    QString imagePath;           // full path of its program file; empty when it cannot be found
    std::string shortName;       // the system's short name, as last read
    std::uint64_t startTime = 0; // tells a reused process id apart
    int timedReadings = 0;       // readings of its times since it was seen or changed program, up to 2
    QString matchName;           // exeName in lower case, for the name test
    bool watched = false;        // matchName contains a consumer's program name (kept by the manager)

    // Its times span a full interval: the two readings belong to the program it runs now.
    bool measured() const { return timedReadings >= 2; }
};

// The manager's processes, by rising process id.
using TCPULOADS = std::vector<TCPULOAD>;

} // namespace vespera
