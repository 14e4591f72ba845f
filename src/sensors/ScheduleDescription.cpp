#include "sensors/ScheduleDescription.h"

#include "l10n/TextSource.h"
#include "sensors/ScheduleRule.h"

#include <algorithm>
#include <iterator>

namespace vespera {

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString text(const TextSource& texts, int key) {
    return texts.lookupText(QStringLiteral("IDS_%1").arg(key));
}

// "täglich", or the abbreviations of the chosen days from Monday on, without the last ", ".
QString weekdays(const Settings& s, const TextSource& texts) {
    const auto count = std::count_if(Weekdays.begin(), Weekdays.end(), [&](auto day) { return s.*day; });
    if (count == 0 || count == std::ssize(Weekdays))
        return text(texts, 140);
    QString days;
    for (int i = 0; i < std::ssize(Weekdays); ++i)
        if (s.*Weekdays[i])
            days += text(texts, 141 + i);
    days.chop(2);
    return days;
}

} // namespace

QString ScheduleDescription(const Settings& schedule, const TextSource& texts,
                            const QString& actionShortText) {
    const QString time = twoDigits(schedule.Stunde) + u':' + twoDigits(schedule.Minute) + u':' +
                         twoDigits(schedule.Sekunde) + u' ' + actionShortText;
    if (schedule.submethod != QLatin1String("sub1"))
        return text(texts, 149) + QString::number(schedule.DayofMonth) + text(texts, 150) + time;
    return text(texts, 139) + weekdays(schedule, texts) + text(texts, 148) + time;
}

} // namespace vespera
