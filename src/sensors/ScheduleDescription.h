#pragma once

#include "settings/Settings.h"

#include <QString>

namespace vespera {

class TextSource;

// The schedule line of the status text: "Ihr PC wird Mo, Fr um 07:05:00 " or "Ihr PC wird am 15. um
// 22:00:00 ", followed by the action's short text. Seven weekdays, or none, read as daily.
QString ScheduleDescription(const Settings& schedule, const TextSource& texts,
                            const QString& actionShortText);

} // namespace vespera
