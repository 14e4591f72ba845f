#pragma once

#include "platform/SystemInformation.h"
#include "platform/linux/ProcFile.h"

#include <QString>
#include <QStringView>

namespace vespera {

// The machine's facts from the files below a root folder ("/" on a running system):
// - processor: "proc/cpuinfo" (model name, one "processor" line per logical processor); the clock
//   from cpufreq's "cpuinfo_max_freq" of the first processor, else the "cpu MHz" line;
// - operating system: PRETTY_NAME of "etc/os-release", else of "usr/lib/os-release"; the machine
//   from "proc/sys/kernel/arch", else the kernel's own answer;
// - memory: MemTotal and MemAvailable of "proc/meminfo";
// - battery: the first system battery in "sys/class/power_supply" (type Battery, not a device's);
// - security products: see SecurityProductScan.
class LinuxSystemInformation : public SystemInformation {
public:
    explicit LinuxSystemInformation(QString root = QStringLiteral("/"));

    ProcessorFacts processor() override;
    OperatingSystemFacts operatingSystem() override;
    MemoryFacts memory() override;
    int batteryPercent() override;
    std::optional<SecurityProducts> securityProducts() override;

private:
    QString path(QStringView relative) const;

    QString root_;
    ProcFile meminfo_; // kept open: the shown window reads it every few seconds
};

// True for the machine names of 64-bit systems ("x86_64", "aarch64", "ppc64le", "s390x", ...).
bool is64BitMachine(QStringView machine);

} // namespace vespera
