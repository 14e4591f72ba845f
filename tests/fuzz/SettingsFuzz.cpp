// Feeds arbitrary bytes to the settings reader. Reading never fails; writing the settings back keeps
// them: the file written reads back to the same settings, and so does a file written over the bytes
// with other settings. The values then go through what the window makes of them.
#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"
#include "l10n/TextSource.h"
#include "sensors/LocalClock.h"
#include "sensors/ScheduleDescription.h"
#include "sensors/ScheduleRule.h"
#include "settings/SettingsStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace vespera;

namespace {

class FixedClock final : public LocalClock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 29), QTime(2, 30)); }
};

class KeyTexts final : public TextSource {
public:
    QString lookupText(const QString& key) const override { return key; }
};

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "settings reader: %s\n", what);
        std::abort();
    }
}

// Other values than the defaults for every written key.
Settings otherSettings() {
    Settings s;
    s.type = QStringLiteral("Reboot");
    s.process = QStringLiteral("render farm.exe");
    s.time = 45;
    s.Stunde = 23;
    s.DayofMonth = 31;
    s.Sonntag = true;
    s.Fkey = true;
    s.fexepath = QStringLiteral("/usr/bin/äöü");
    s.Language = 2;
    s.KeepAwake = false;
    return s;
}

void useAsTheWindowDoes(const Settings& s) {
    const int index = periodIndexForSeconds(s.time);
    periodSecondsForIndex(index, validCustomSeconds(s.customtime));
    actionKindForName(s.type);
    for (const bool hibernateEntry : {false, true})
        actionIndexForName(s.type, hibernateEntry);
    FixedClock clock;
    ScheduleRule rule(clock);
    rule.ScheduleMatches(s);
    ScheduleDescription(s, KeyTexts(), QStringLiteral("ausgeschaltet!"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Settings read = SettingsStore::parse(bytes, 1);
    const QByteArray written = SettingsStore::update(bytes, read);
    require(SettingsStore::parse(written, 1) == read, "a written file reads back differently");
    require(SettingsStore::update(written, read) == written, "a second write changes the file");

    Settings other = otherSettings();
    other.fmaxdaempfung = read.fmaxdaempfung;
    require(SettingsStore::parse(SettingsStore::update(bytes, other), 1) == other,
            "a file written over the bytes loses a setting");
    useAsTheWindowDoes(read);
    return 0;
}
