#include <gtest/gtest.h>

#include "platform/linux/LinuxSystemInformation.h"

#include <optional>

using namespace vespera;

namespace {

QString fixture(const char* name) {
    return QStringLiteral(VESPERA_TEST_DATA "/sysinfo/") + QString::fromLatin1(name);
}

} // namespace

TEST(LinuxSystemInformation, FactsFromRecordedRoots) {
    const struct {
        const char* root;
        ProcessorFacts processor;
        QString system;
        MemoryFacts memory;
        int battery;
        std::optional<SecurityProducts> security;
    } cases[] = {
        // cpufreq's maximum, not the current clock; the first of two firewalls; a mouse's battery
        {"desktop",
         {"Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz", 2, 3700},
         "Debian GNU/Linux 12 (bookworm)",
         {8'589'934'592, 5'368'709'120},
         0,
         SecurityProducts{"ClamAV", "ufw"}},
        // no cpufreq, no MemAvailable, os-release below usr/lib with escapes, an absent first battery
        {"laptop",
         {"Intel(R) Pentium(R) M processor 1.73GHz", 1, 1729},
         "Fedora Linux 39 (Workstation 'Edition')",
         {1'060'110'336, 268'435'456},
         57,
         SecurityProducts{"", "nftables"}},
        // nothing to read but a ruleset that lets everything through
        {"bare", {}, "Linux", {}, 0, SecurityProducts{}},
        {"missing", {}, "Linux", {}, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.root);
        LinuxSystemInformation info(fixture(c.root));
        const ProcessorFacts processor = info.processor();
        EXPECT_EQ(processor.model, c.processor.model);
        EXPECT_EQ(processor.logicalCount, c.processor.logicalCount);
        EXPECT_EQ(processor.clockMHz, c.processor.clockMHz);
        EXPECT_EQ(info.operatingSystem().productName, c.system);
        EXPECT_EQ(info.memory().totalBytes, c.memory.totalBytes);
        EXPECT_EQ(info.memory().availableBytes, c.memory.availableBytes);
        EXPECT_EQ(info.batteryPercent(), c.battery);
        const auto security = info.securityProducts();
        ASSERT_EQ(security.has_value(), c.security.has_value());
        if (security) {
            EXPECT_EQ(security->antivirus, c.security->antivirus);
            EXPECT_EQ(security->firewall, c.security->firewall);
        }
    }
}

TEST(LinuxSystemInformation, SixtyFourBitSystems) {
    const std::pair<const char*, bool> machines[] = {
        {"x86_64", true},  {"aarch64", true}, {"ppc64le", true}, {"s390x", true},
        {"riscv64", true}, {"i686", false},   {"armv7l", false}, {"", false},
    };
    for (const auto& [machine, is64] : machines)
        EXPECT_EQ(is64BitMachine(QString::fromLatin1(machine)), is64) << machine;
    EXPECT_TRUE(LinuxSystemInformation(fixture("desktop")).operatingSystem().is64Bit);
    EXPECT_FALSE(LinuxSystemInformation(fixture("laptop")).operatingSystem().is64Bit);
}
