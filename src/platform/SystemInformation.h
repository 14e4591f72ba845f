#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace vespera {

struct ProcessorFacts {
    QString model;        // the processor's description as the system gives it
    int logicalCount = 0; // logical processors
    int clockMHz = 0;     // nominal clock
};

struct OperatingSystemFacts {
    QString productName; // the installed system's marketing name
    bool is64Bit = false;
};

struct MemoryFacts {
    std::uint64_t totalBytes = 0;
    std::uint64_t availableBytes = 0;
};

// The first antivirus and firewall product found at work; empty when there is none.
struct SecurityProducts {
    QString antivirus;
    QString firewall;
};

// The machine's facts that the information panel shows. Each call reads afresh; a value that cannot
// be read comes back empty or 0.
class SystemInformation {
public:
    virtual ~SystemInformation() = default;
    virtual ProcessorFacts processor() = 0;
    virtual OperatingSystemFacts operatingSystem() = 0;
    virtual MemoryFacts memory() = 0;
    // The system battery's charge in percent; 0 without one.
    virtual int batteryPercent() = 0;
    // Nothing when the system's inventory of running products cannot be read at all.
    virtual std::optional<SecurityProducts> securityProducts() = 0;
};

// The facts of this system.
std::unique_ptr<SystemInformation> createSystemInformation();

} // namespace vespera
