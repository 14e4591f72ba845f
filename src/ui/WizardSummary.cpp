#include "ui/WizardSummary.h"

#include "l10n/TextSource.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vespera {

namespace {

// Keys of the wizard's table.
constexpr int AllWeekdays = 1;
constexpr int DailyOn = 2;
constexpr int FirstWeekday = 3; // Monday; Sunday is 9
constexpr int MonthlyOn = 10;
constexpr int EachMonth = 11;
constexpr int TimeLabel = 12;
constexpr int SummaryTitle = 13;
constexpr int ModeLabel = 14;
constexpr int ThresholdLabel = 15;
constexpr int DatesLabel = 16;
constexpr int ActionLabel = 17;
constexpr int PeriodLabel = 18;
constexpr int Yes = 19;
constexpr int No = 20;
constexpr int FirstModeName = 21; // processor; mouse and keyboard is 25
constexpr int InputThreshold = 27;

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

WizardSummary::WizardSummary(const TextSource& texts) : texts_(texts) {}

QString WizardSummary::text(int number) const {
    return texts_.lookupText(QStringLiteral("IDS_%1").arg(number));
}

QString WizardSummary::modeName(WizardEvent event) const {
    return text(FirstModeName + static_cast<int>(event));
}

QString WizardSummary::datesText(const WizardSchedule& schedule) const {
    if (!schedule.daily)
        return text(MonthlyOn) + QString::number(schedule.dayOfMonth) + text(EachMonth);
    if (std::all_of(schedule.days.begin(), schedule.days.end(), [](bool day) { return day; }))
        return text(AllWeekdays);
    QString dates = text(DailyOn);
    for (int day = 0; day < 7; ++day)
        if (schedule.days[day])
            dates += text(FirstWeekday + day);
    return dates;
}

QString WizardSummary::thresholdText(const WizardChoice& choice) const {
    const WizardSchedule& at = choice.schedule;
    switch (choice.event) {
    case WizardEvent::Processor:
        return QString::number(choice.cpuThreshold) + QStringLiteral("%");
    case WizardEvent::Network:
        return QString::number(choice.netThreshold) + QStringLiteral("kb/s") + LineBreak + u'(' +
               choice.interfaceText + u')';
    case WizardEvent::Time:
        return text(TimeLabel) + QStringLiteral("%1:%2:%3").arg(at.hour).arg(at.minute).arg(at.second) +
               LineBreak + datesText(at);
    case WizardEvent::Program:
        return QString::number(choice.processpercent) + QStringLiteral("%") + LineBreak + u'(' +
               choice.process + u')';
    case WizardEvent::Input:
        return text(InputThreshold);
    }
    return QString();
}

// The execution dates belong to the time event only: for the others the time tab is not in use.
QString WizardSummary::summary(const WizardChoice& choice, const QStringList& switchCaptions) const {
    QStringList lines{text(SummaryTitle), QString(), text(ModeLabel) + modeName(choice.event),
                      text(ThresholdLabel) + thresholdText(choice), QString()};
    if (choice.event == WizardEvent::Time)
        lines << text(DatesLabel) + datesText(choice.schedule);
    lines << text(ActionLabel) + choice.actionText << text(PeriodLabel) + choice.periodText << QString();
    for (int i = 0; i < static_cast<int>(choice.switches.size()) && i < switchCaptions.size(); ++i)
        lines << switchCaptions.at(i) + text(choice.switches[i] ? Yes : No);
    return lines.join(LineBreak);
}

int WizardSummary::netScaleMaximum(int netThreshold) {
    const std::int64_t triple = std::int64_t{3} * std::max(netThreshold, 0);
    std::int64_t half = triple / 2;
    if (triple % 2 != 0 && half % 2 != 0)
        ++half;
    return static_cast<int>(std::min<std::int64_t>(half, INT_MAX));
}

} // namespace vespera
