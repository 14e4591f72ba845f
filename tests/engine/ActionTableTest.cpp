#include <gtest/gtest.h>

#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"

#include <QStringList>

#include <climits>

using namespace vespera;

TEST(ActionTable, SelectorIndexesMapToStoredNamesWithAndWithoutHibernation) {
    const QStringList with = {"Ausschalten", "Ruhezustand", "Standby", "Reboot", "Abmelden"};
    const QStringList without = {"Ausschalten", "Standby", "Reboot", "Abmelden", "Abmelden"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(actionNameForIndex(i, true), with[i]) << i;
        EXPECT_EQ(actionNameForIndex(i, false), without[i]) << i;
    }
    EXPECT_EQ(actionNameForIndex(-1, true), "Ausschalten");
    EXPECT_EQ(actionNameForIndex(5, false), "Ausschalten");
}

TEST(ActionTable, StoredNamesSelectTheirEntry) {
    EXPECT_EQ(actionIndexForName("Reboot", true), 3);
    EXPECT_EQ(actionIndexForName("Reboot", false), 2);
    EXPECT_EQ(actionIndexForName("Abmelden", false), 3);
    EXPECT_EQ(actionIndexForName("Ruhezustand", false), 1);
    EXPECT_EQ(actionIndexForName("Ausschalten", true), 0);
    // An unknown name hibernates: the window shows the hibernation (or stand-in standby) entry.
    EXPECT_EQ(actionIndexForName("ausschalten", true), 1);
    EXPECT_EQ(actionIndexForName("gibt es nicht", false), 1);
}

TEST(ActionTable, UnknownStoredNamesHibernate) {
    EXPECT_EQ(actionKindForName("Ausschalten"), ActionKind::PowerOff);
    EXPECT_EQ(actionKindForName("ausschalten"), ActionKind::Hibernate);
    EXPECT_EQ(actionKindForName(""), ActionKind::Hibernate);
    EXPECT_EQ(actionShortKey(ActionKind::LogOff), "IDS_132");
    EXPECT_EQ(actionLongKey(ActionKind::LogOff), "IDS_133");
}

TEST(PeriodTable, MapsBothWaysWithTheCustomFallback) {
    EXPECT_EQ(periodIndexForSeconds(300), 4);
    EXPECT_EQ(periodIndexForSeconds(0), 10);
    EXPECT_EQ(periodIndexForSeconds(45), CustomPeriodIndex);
    EXPECT_EQ(periodSecondsForIndex(9, 77), 3600);
    EXPECT_EQ(periodSecondsForIndex(11, 77), 77);
    // A user-defined period outside 1..600 s (a hand-edited file) falls back to 60 s.
    for (const int outside : {0, -53, 601, INT_MIN, INT_MAX})
        EXPECT_EQ(periodSecondsForIndex(11, outside), 60) << outside;
    EXPECT_EQ(periodSecondsForIndex(12, 77), 300);
    EXPECT_EQ(periodSecondsForIndex(-1, 77), 300);
}
