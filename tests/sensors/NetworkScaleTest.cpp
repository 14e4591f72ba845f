#include <gtest/gtest.h>

#include "sensors/NetworkScale.h"

#include <climits>

using namespace vespera;

// The label under the slider's right end names the slider's real maximum, so dragging to the end
// sets what it says.
TEST(NetworkScale, StartsFromTheStoredThreshold) {
    const struct {
        int threshold, max, sliderMax;
        std::optional<int> ticks;
    } cases[] = {
        {0, 10, 100, std::nullopt}, {89, 99, 100, std::nullopt}, {95, 105, 105, 10},
        {100, 110, 110, 11},        {-5, 10, 100, std::nullopt}, {INT_MAX, INT_MAX, INT_MAX, 214748365},
    };
    for (const auto& c : cases) {
        NetworkScale scale;
        scale.start(c.threshold);
        EXPECT_EQ(scale.NetScaleMax(), c.max) << c.threshold;
        EXPECT_EQ(scale.label(), QString::number(c.sliderMax) + " kb/s") << c.threshold;
        EXPECT_EQ(scale.gaugeMaximum(), c.sliderMax) << c.threshold;
        EXPECT_EQ(scale.sliderMaximum(), c.sliderMax) << c.threshold;
        EXPECT_EQ(scale.tickFrequency(), c.ticks) << c.threshold;
    }
}

TEST(NetworkScale, TickFrequencyFollowsTheScaleRoundingHalvesToEven) {
    NetworkScale scale;
    scale.start(100);
    const struct {
        int load, max, ticks;
    } steps[] = {{125, 125, 12}, {135, 135, 14}, {144, 144, 14},
                 {146, 146, 15}, {145, 146, 15}, {155, 155, 16}};
    for (const auto& s : steps) {
        scale.show(s.load);
        EXPECT_EQ(scale.NetScaleMax(), s.max) << s.load;
        EXPECT_EQ(scale.sliderMaximum(), s.max) << s.load;
        EXPECT_EQ(scale.tickFrequency(), s.ticks) << s.load;
    }
}

TEST(NetworkScale, SetKeepsTheGaugeValueWithinTheSlider) {
    NetworkScale scale;
    scale.start(0);
    scale.show(0);
    EXPECT_EQ(scale.thresholdFromGauge(), 1);
    scale.show(7);
    EXPECT_EQ(scale.thresholdFromGauge(), 7);
    scale.show(250);
    EXPECT_EQ(scale.thresholdFromGauge(), 250);
    EXPECT_EQ(scale.label(), "250 kb/s");
    EXPECT_EQ(scale.gaugeText(), "250kb/s");
}
