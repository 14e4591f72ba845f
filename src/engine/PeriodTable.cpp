#include "engine/PeriodTable.h"

#include <array>

namespace vespera {

namespace {
constexpr std::array<int, CustomPeriodIndex> FixedPeriods = {10,  30,   60,   120,  300, 600,
                                                             900, 1800, 2700, 3600, 0};
}

int validCustomSeconds(int seconds) {
    return seconds >= CustomSecondsMinimum && seconds <= CustomSecondsMaximum ? seconds
                                                                              : CustomSecondsFallback;
}

int periodSecondsForIndex(int index, int customSeconds) {
    if (index == CustomPeriodIndex)
        return validCustomSeconds(customSeconds);
    if (index < 0 || index >= CustomPeriodIndex)
        return DefaultPeriodSeconds;
    return FixedPeriods[static_cast<std::size_t>(index)];
}

int periodIndexForSeconds(int seconds) {
    for (std::size_t i = 0; i < FixedPeriods.size(); ++i)
        if (FixedPeriods[i] == seconds)
            return static_cast<int>(i);
    return CustomPeriodIndex;
}

} // namespace vespera
