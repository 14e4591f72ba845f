#include <gtest/gtest.h>

#include "platform/linux/LinuxSystemInformation.h"

using namespace vespera;

TEST(LinuxSystemInformation, FactsFromRecordedRoots) {
    const struct {
        const char* root;
        const char* model;
        int processors, clockMHz;
        const char* system;
        std::uint64_t totalBytes, availableBytes;
        int battery;
        std::optional<std::pair<const char*, const char*>> security; // antivirus, firewall
    } cases[] = {
        // cpufreq's maximum, not the current clock; the first of two firewalls; a mouse's battery
        {"desktop", "Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz", 2, 3700, "Debian GNU/Linux 12 (bookworm)",
         8'589'934'592, 5'368'709'120, 0, std::pair{"ClamAV", "ufw"}},
        // no cpufreq, no MemAvailable, os-release below usr/lib with escapes, an absent first battery
        {"laptop", "Intel(R) Pentium(R) M processor 1.73GHz", 1, 1729,
         "Fedora Linux 39 (Workstation 'Edition')", 1'060'110'336, 268'435'456, 57,
         std::pair{"", "nftables"}},
        // nothing to read but a ruleset that lets everything through
        {"bare", "", 0, 0, "Linux", 0, 0, 0, std::pair{"", ""}},
        {"missing", "", 0, 0, "Linux", 0, 0, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.root);
        LinuxSystemInformation info(VESPERA_TEST_DATA "/sysinfo/" + QString::fromLatin1(c.root));
        const ProcessorFacts processor = info.processor();
        EXPECT_EQ(processor.model, c.model);
        EXPECT_EQ(processor.logicalCount, c.processors);
        EXPECT_EQ(processor.clockMHz, c.clockMHz);
        EXPECT_EQ(info.operatingSystem().productName, c.system);
        EXPECT_EQ(info.memory().totalBytes, c.totalBytes);
        EXPECT_EQ(info.memory().availableBytes, c.availableBytes);
        EXPECT_EQ(info.batteryPercent(), c.battery);
        const auto security = info.securityProducts();
        ASSERT_EQ(security.has_value(), c.security.has_value());
        if (security) {
            EXPECT_EQ(security->antivirus, c.security->first);
            EXPECT_EQ(security->firewall, c.security->second);
        }
    }
}

TEST(LinuxSystemInformation, SixtyFourBitSystems) {
    const std::pair<const char*, bool> machines[] = {
        {"x86_64", true}, {"aarch64", true}, {"ppc64le", true}, {"s390x", true},
        {"i686", false},  {"armv7l", false}, {"", false},
    };
    for (const auto& [machine, is64] : machines)
        EXPECT_EQ(is64BitMachine(QString::fromLatin1(machine)), is64) << machine;
    EXPECT_TRUE(LinuxSystemInformation(VESPERA_TEST_DATA "/sysinfo/desktop").operatingSystem().is64Bit);
    EXPECT_FALSE(LinuxSystemInformation(VESPERA_TEST_DATA "/sysinfo/laptop").operatingSystem().is64Bit);
}
