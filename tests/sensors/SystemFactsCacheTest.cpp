#include <gtest/gtest.h>

#include "sensors/SystemFactsCache.h"

using namespace vespera;
using namespace std::chrono_literals;

namespace {

// Counts the readings of each kind.
struct CountingSource : SystemInformation {
    int constant = 0;
    int changing = 0;
    ProcessorFacts processor() override { return {"cpu", ++constant, 0}; }
    OperatingSystemFacts operatingSystem() override { return {}; }
    MemoryFacts memory() override { return {0, static_cast<std::uint64_t>(++changing)}; }
    int batteryPercent() override { return 0; }
    std::optional<SecurityProducts> securityProducts() override { return SecurityProducts{}; }
};

} // namespace

TEST(SystemFactsCache, ReadsTheProcessorOnceAndTheRestEveryFewSeconds) {
    CountingSource source;
    std::chrono::steady_clock::time_point now{};
    SystemFactsCache cache(source, [&now] { return now; });
    const struct {
        std::chrono::milliseconds advance;
        int changingReads;
    } steps[] = {{0ms, 1}, {1000ms, 1}, {3999ms, 1}, {1ms, 2}, {4999ms, 2}, {1ms, 3}};
    for (const auto& step : steps) {
        now += step.advance;
        const SystemFacts& facts = cache.facts();
        EXPECT_EQ(facts.memory.availableBytes, static_cast<std::uint64_t>(step.changingReads));
        EXPECT_EQ(facts.processor.logicalCount, 1);
    }
    EXPECT_EQ(source.constant, 1);
}
