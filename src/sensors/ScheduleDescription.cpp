#include "sensors/ScheduleDescription.h"

#include "l10n/TextSource.h"
#include "sensors/ScheduleRule.h"

#include <algorithm>
#include <iterator>

namespace vespera {

namespace {

// Two digits with a leading zero; a value out of 0..99 keeps its own digits.
void appendTwoDigits(QString& out, int value) {
    if (value < 0 || value > 99) {
        out += QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
        return;
    }
    out += QChar(u'0' + value / 10);
    out += QChar(u'0' + value % 10);
}

// "täglich", or the abbreviations of the chosen days from Monday on, without the last ", ".
QString weekdays(const Settings& s, const TextSource& texts) {
    const auto count = std::count_if(Weekdays.begin(), Weekdays.end(), [&](auto day) { return s.*day; });
    if (count == 0 || count == std::ssize(Weekdays))
        return texts.lookupText(QStringLiteral("IDS_140"));
    const QString keys[] = {QStringLiteral("IDS_141"), QStringLiteral("IDS_142"), QStringLiteral("IDS_143"),
                            QStringLiteral("IDS_144"), QStringLiteral("IDS_145"), QStringLiteral("IDS_146"),
                            QStringLiteral("IDS_147")};
    QString days;
    for (int i = 0; i < std::ssize(Weekdays); ++i)
        if (s.*Weekdays[i])
            days += texts.lookupText(keys[i]);
    days.chop(2);
    return days;
}

} // namespace

QString ScheduleDescription(const Settings& schedule, const TextSource& texts,
                            const QString& actionShortText) {
    QString line;
    if (schedule.submethod != QLatin1String("sub1"))
        line = texts.lookupText(QStringLiteral("IDS_149")) + QString::number(schedule.DayofMonth) +
               texts.lookupText(QStringLiteral("IDS_150"));
    else
        line = texts.lookupText(QStringLiteral("IDS_139")) + weekdays(schedule, texts) +
               texts.lookupText(QStringLiteral("IDS_148"));
    line.reserve(line.size() + 9 + actionShortText.size());
    appendTwoDigits(line, schedule.Stunde);
    line += u':';
    appendTwoDigits(line, schedule.Minute);
    line += u':';
    appendTwoDigits(line, schedule.Sekunde);
    line += u' ';
    line += actionShortText;
    return line;
}

} // namespace vespera
