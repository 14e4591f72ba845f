#pragma once

namespace vespera {

// The twelve entries of the period selector: ten fixed periods, "Sofort" (0 s) and the user-defined one.
inline constexpr int PeriodEntryCount = 12;
inline constexpr int CustomPeriodIndex = 11;
inline constexpr int DefaultPeriodSeconds = 300;

// Seconds of a selector entry; the last entry gives customSeconds, an index outside the table 300.
int periodSecondsForIndex(int index, int customSeconds);

// Selector entry of a stored period; a value that is not one of the fixed ones selects the
// user-defined entry.
int periodIndexForSeconds(int seconds);

} // namespace vespera
