#include "sensors/ScheduleDescriptionCache.h"

#include "sensors/ScheduleDescription.h"
#include "sensors/ScheduleRule.h"

namespace vespera {

const QString& ScheduleDescriptionCache::text(const Settings& schedule, const TextSource& texts, int language,
                                              const QString& actionShortText) {
    Inputs now{.hour = schedule.Stunde,
               .minute = schedule.Minute,
               .second = schedule.Sekunde,
               .dayOfMonth = schedule.DayofMonth,
               .kind = schedule.submethod,
               .texts = &texts,
               .language = language,
               .actionShortText = actionShortText};
    for (std::size_t i = 0; i < Weekdays.size(); ++i)
        now.days[i] = schedule.*Weekdays[i];
    if (inputs_ != now) {
        text_ = ScheduleDescription(schedule, texts, actionShortText);
        inputs_ = std::move(now);
    }
    return text_;
}

} // namespace vespera
