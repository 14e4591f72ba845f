#include <gtest/gtest.h>

#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"
#include "l10n/TranslationResources.h"
#include "sensors/LocalClock.h"
#include "sensors/ScheduleDescription.h"
#include "sensors/ScheduleDescriptionCache.h"
#include "sensors/ScheduleRule.h"

#include <QTimeZone>

using namespace vespera;

namespace {

const QTimeZone Berlin("Europe/Berlin");

struct SetClock : LocalClock {
    QDateTime at;
    QDateTime now() const override { return at; }
};

// days: Monday to Sunday, '1' for a chosen day.
Settings schedule(const char* kind, int hour, int minute, const char* days = "1111111", int dayOfMonth = 1,
                  int second = 0) {
    Settings s;
    s.submethod = kind;
    s.Stunde = hour;
    s.Minute = minute;
    s.Sekunde = second;
    s.DayofMonth = dayOfMonth;
    for (int i = 0; i < 7 && days[i]; ++i)
        s.*Weekdays[i] = days[i] == '1';
    return s;
}

// "03-29 07:05:00.500" is in 2027.
QDateTime at(const QString& text, const QTimeZone& zone = Berlin) {
    const QDateTime wall =
        QDateTime::fromString(text.size() < 20 ? "2027-" + text : text, "yyyy-MM-dd HH:mm:ss.zzz");
    return QDateTime(wall.date(), wall.time(), zone);
}

// The answers to ticks at the given moments ("restart" starts the watch anew), '1' for a firing.
QString answers(const Settings& s, const char* ticks) {
    SetClock clock;
    ScheduleRule rule(clock);
    QString fired;
    for (const QString& tick : QString::fromLatin1(ticks).split(u',')) {
        clock.at = at(tick);
        if (tick == u"restart")
            rule.restart();
        else
            fired += rule.ScheduleMatches(s) ? u'1' : u'0';
    }
    return fired;
}

} // namespace

TEST(ScheduleRuleTest, FiresOnceWhenTheScheduledSecondIsReachedOrJustSlippedPast) {
    const Settings daily = schedule("sub1", 7, 5);
    const struct {
        const char* name;
        Settings schedule;
        const char* ticks;
        const char* fired;
    } cases[] = {
        {"no weekday set", schedule("sub1", 7, 5, "0000000"), "03-29 07:05:00.000", "0"},
        {"end of the second", daily, "03-29 07:05:00.999", "1"},
        {"the second before", daily, "03-29 07:04:59.999", "0"},
        {"the second after", daily, "03-29 07:05:01.000", "0"},
        {"Monday and Friday, on a Friday", schedule("sub1", 7, 5, "1000100"), "04-02 07:05:00.500", "1"},
        {"SUB1 is a day of the month", schedule("SUB1", 7, 5, "", 29), "03-29 07:05:00.500", "1"},
        {"day 31 in a 30-day month", schedule("sub2", 7, 5, "", 31), "04-30 07:05:00.500", "0"},
        {"day 29 in a leap year", schedule("sub2", 7, 5, "", 29), "2028-02-29 07:05:00.500", "1"},
        {"hour 24", schedule("sub1", 24, 0), "03-30 00:00:00.500", "0"},
        {"day of month 0", schedule("sub2", 0, 0, "", 0), "03-31 00:00:00.500", "0"},
        {"slip of 1.5 s", daily, "03-29 07:04:59.800,03-29 07:05:01.300", "01"},
        {"clock set forwards", daily, "03-29 07:04:50.000,03-29 07:05:30.000", "00"},
        {"restarted watch", daily, "03-29 07:04:59.500,restart,03-29 07:05:01.000", "00"},
        {"clock set back after firing", daily,
         "03-29 07:05:00.200,03-29 07:04:58.000,03-29 07:04:59.500,03-29 07:05:00.500", "1000"},
        {"over midnight into a Monday", schedule("sub1", 0, 0, "1000000"),
         "03-28 23:59:59.600,03-29 00:00:01.100", "01"},
        {"Sunday's last second, slipped into Monday", schedule("sub1", 23, 59, "0000001", 1, 59),
         "03-28 23:59:58.900,03-29 00:00:00.400", "01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(answers(c.schedule, c.ticks), QString(c.fired)) << c.name;
}

// A tick every second for two hours, each 300 ms into its second.
TEST(ScheduleRuleTest, DaylightSavingNightsFireOnceAtTheRightMoment) {
    const struct {
        const char* name;
        const char* fromUtc;
        QStringList firedUtc;
    } cases[] = {
        {"spring forward: at the jump", "2027-03-28T00:00:00.300Z", {"2027-03-28T01:00:00Z"}},
        {"fall back: first showing only", "2027-10-30T23:30:00.300Z", {"2027-10-31T00:30:00Z"}},
        {"fall back: armed between the two", "2027-10-31T00:45:00.300Z", {}},
    };
    for (const auto& c : cases) {
        SetClock clock;
        ScheduleRule rule(clock);
        QStringList fired;
        const QDateTime from = QDateTime::fromString(c.fromUtc, Qt::ISODateWithMs);
        for (int second = 0; second < 2 * 3600; ++second) {
            clock.at = from.addSecs(second).toTimeZone(Berlin);
            if (rule.ScheduleMatches(schedule("sub1", 2, 30)))
                fired << clock.at.toUTC().toString(Qt::ISODate);
        }
        EXPECT_EQ(fired, c.firedUtc) << c.name;
    }
}

TEST(ScheduleRuleTest, DescriptionNamesTheDaysAndTheTime) {
    const struct {
        int language;
        Settings schedule;
        const char16_t* text;
    } cases[] = {
        {1, schedule("sub1", 7, 5, "0000000"), u"Ihr PC wird t\u00E4glich um 07:05:00 aus!"},
        {2, schedule("sub1", 22, 0, "1000101"), u"Your PC will Mo, Fr, Su at 22:00:00 aus!"},
        {1, schedule("sub2", 0, 30, "", 15), u"Ihr PC wird am 15. um 00:30:00 aus!"},
    };
    FormTranslator texts(shippedTranslationTable("TSchedForm"), "TSchedForm", twoLanguageNames());
    for (const auto& c : cases) {
        texts.selectLanguage(c.language);
        EXPECT_EQ(ScheduleDescription(c.schedule, texts, "aus!"), QString::fromUtf16(c.text));
    }
}

// The rule is asked in one zone, then at the same moment in another.
TEST(ScheduleRuleTest, TimeToTheNextSecondAfterMidnightAndAfterAZoneChange) {
    const QTimeZone newYork("America/New_York");
    const struct {
        const char* name;
        QTimeZone askedBefore, zone;
        const char* moment; // on the clock of `zone`
        Settings schedule;
        std::optional<qint64> ms;
    } cases[] = {
        {"Monday 00:00:00 from Sunday", Berlin, Berlin, "03-28 23:59:30.000",
         schedule("sub1", 0, 0, "1000000"), 30000},
        {"zone changed", Berlin, newYork, "06-15 03:59:30.000", schedule("sub1", 4, 0), 30000},
    };
    for (const auto& c : cases) {
        SetClock clock;
        ScheduleRule rule(clock);
        clock.at = at(c.moment, c.zone).toTimeZone(c.askedBefore);
        rule.msToNext(c.schedule, 24 * 3600 * 1000);
        clock.at = at(c.moment, c.zone);
        EXPECT_EQ(rule.msToNext(c.schedule, 60 * 1000), c.ms) << c.name;
    }
}

// Each thing the line is made of, changed after the line was built once.
TEST(ScheduleRuleTest, CachedDescriptionFollowsEveryChange) {
    const struct {
        const char* name;
        void (*change)(Settings&, int& language, QString& action);
    } cases[] = {
        {"hour", [](Settings& s, int&, QString&) { s.Stunde = 8; }},
        {"minute", [](Settings& s, int&, QString&) { s.Minute = 9; }},
        {"second", [](Settings& s, int&, QString&) { s.Sekunde = 7; }},
        {"kind", [](Settings& s, int&, QString&) { s.submethod = "sub2"; }},
        {"day of the month", [](Settings& s, int&, QString&) { s.submethod = "sub2", s.DayofMonth = 3; }},
        {"a weekday", [](Settings& s, int&, QString&) { s.Sonntag = true; }},
        {"language", [](Settings&, int& language, QString&) { language = 2; }},
        {"action", [](Settings&, int&, QString& action) { action = "Reboot"; }},
    };
    FormTranslator texts(shippedTranslationTable("TSchedForm"), "TSchedForm", twoLanguageNames());
    for (const auto& c : cases) {
        Settings s = schedule("sub1", 7, 5, "1000100", 15);
        int language = 1;
        QString action = "aus!";
        ScheduleDescriptionCache cache;
        texts.selectLanguage(language);
        cache.text(s, texts, language, action);
        c.change(s, language, action);
        texts.selectLanguage(language);
        EXPECT_EQ(cache.text(s, texts, language, action), ScheduleDescription(s, texts, action)) << c.name;
    }
}
