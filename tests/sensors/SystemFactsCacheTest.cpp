#include <gtest/gtest.h>

#include "sensors/SystemFactsCache.h"

using namespace vespera;
using namespace std::chrono_literals;

namespace {

// Counts the readings: of the processor in its count, of the memory in the available bytes.
struct CountingSource : SystemInformation {
    int processorReads = 0;
    std::uint64_t memoryReads = 0;
    int securityReads = 0;
    ProcessorFacts processor() override { return {"cpu", ++processorReads, 0}; }
    OperatingSystemFacts operatingSystem() override { return {}; }
    MemoryFacts memory() override { return {0, ++memoryReads}; }
    int batteryPercent() override { return 0; }
    std::optional<SecurityProducts> securityProducts() override {
        ++securityReads;
        return SecurityProducts{};
    }
};

} // namespace

// The processor once, the memory every five seconds, the security products once a minute; the revision
// goes up with each call that read something.
TEST(SystemFactsCache, ReadsEachFactAsOftenAsItChanges) {
    CountingSource source;
    std::chrono::steady_clock::time_point now{};
    SystemFactsCache cache(source, [&now] { return now; });
    const struct {
        std::chrono::milliseconds advance;
        std::uint64_t memoryReads;
        int securityReads;
        int revision;
    } steps[] = {{0ms, 1, 1, 1}, {4999ms, 1, 1, 1},  {1ms, 2, 1, 2}, {4999ms, 2, 1, 2},
                 {1ms, 3, 1, 3}, {49999ms, 4, 1, 4}, {1ms, 4, 2, 5}, {60s, 5, 3, 6}};
    for (const auto& step : steps) {
        now += step.advance;
        EXPECT_EQ(cache.facts().memory.availableBytes, step.memoryReads);
        EXPECT_EQ(cache.facts().processor.logicalCount, 1);
        EXPECT_EQ(source.securityReads, step.securityReads);
        EXPECT_EQ(cache.revision(), step.revision);
    }
}
