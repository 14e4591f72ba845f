#pragma once

namespace vespera {

// The twelve entries of the period selector: ten fixed periods, "Sofort" (0 s) and the user-defined one.
inline constexpr int PeriodEntryCount = 12;
inline constexpr int CustomPeriodIndex = 11;
inline constexpr int DefaultPeriodSeconds = 300;

// The user-defined period's range in seconds, and what stands in for a value outside it.
inline constexpr int CustomSecondsMinimum = 1;
inline constexpr int CustomSecondsMaximum = 600;
inline constexpr int CustomSecondsFallback = 60;

// A stored user-defined period, or the fall-back when it lies outside the range.
int validCustomSeconds(int seconds);

// Seconds of a selector entry; the last entry gives the user-defined period, an index outside the table
// 300.
int periodSecondsForIndex(int index, int customSeconds);

// Selector entry of a stored period; a value that is not one of the fixed ones selects the
// user-defined entry.
int periodIndexForSeconds(int seconds);

} // namespace vespera
