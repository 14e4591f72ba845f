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

TEST(SystemFactsCache, ReadsTheProcessorOnceAndTheRestEveryFewSeconds) {
    CountingSource source;
    std::chrono::steady_clock::time_point now{};
    SystemFactsCache cache(source, [&now] { return now; });
    const std::pair<std::chrono::milliseconds, std::uint64_t> steps[] = {
        {0ms, 1}, {4999ms, 1}, {1ms, 2}, {4999ms, 2}, {1ms, 3}}; // advance, memory readings
    for (const auto& [advance, memoryReads] : steps) {
        now += advance;
        EXPECT_EQ(cache.facts().memory.availableBytes, memoryReads);
        EXPECT_EQ(cache.facts().processor.logicalCount, 1);
    }
}

TEST(SystemFactsCache, ReadsTheSecurityProductsOnceAMinute) {
    CountingSource source;
    std::chrono::steady_clock::time_point now{};
    SystemFactsCache cache(source, [&now] { return now; });
    const std::pair<std::chrono::seconds, int> steps[] = {{0s, 1}, {5s, 1}, {54s, 1}, {1s, 2}, {60s, 3}};
    for (const auto& [advance, securityReads] : steps) {
        now += advance;
        cache.facts();
        EXPECT_EQ(source.securityReads, securityReads);
    }
}
