#pragma once

#include <QStringView>

#include <optional>

namespace vespera {

// The seconds the user-defined period can be set to, and what an unusable entry gives.
inline constexpr int CustomPeriodMinimum = 1;
inline constexpr int CustomPeriodMaximum = 600;
inline constexpr int CustomPeriodFallback = 60;

// The period a number field's text stands for, held within 1..600 (a digit string too long for any
// integer is above 600 too); nothing when the text is not a plain digit string.
std::optional<int> customPeriodOfText(QStringView text);

} // namespace vespera
