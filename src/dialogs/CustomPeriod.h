#pragma once

#include "engine/PeriodTable.h"

#include <QStringView>

#include <optional>

namespace vespera {

// The period a number field's text stands for, held within 1..600 (a digit string too long for any
// integer is above 600 too); nothing when the text is not a plain digit string.
std::optional<int> customPeriodOfText(QStringView text);

} // namespace vespera
