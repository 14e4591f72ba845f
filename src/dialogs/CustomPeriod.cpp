#include "dialogs/CustomPeriod.h"

#include "dialogs/IsAllDigits.h"

#include <algorithm>

namespace vespera {

std::optional<int> customPeriodOfText(QStringView text) {
    if (!IsAllDigits(text))
        return std::nullopt;
    // Past the maximum the value only grows: stop reading before it could overflow.
    qint64 value = 0;
    for (const QChar c : text) {
        value = value * 10 + (c.unicode() - u'0');
        if (value > CustomSecondsMaximum)
            return CustomSecondsMaximum;
    }
    return std::max(static_cast<int>(value), CustomSecondsMinimum);
}

} // namespace vespera
