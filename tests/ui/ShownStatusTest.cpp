#include "ui/ShownStatus.h"

#include <gtest/gtest.h>

namespace vespera {

// Each step changes one of the three lines (or none); the shown texts follow every change.
TEST(ShownStatus, FollowsEachLineThatChanged) {
    struct Step {
        const char* status;
        const char* reset;
        const char* tray;
        const char* shown;
        const char* statusHint;
        const char* trayHint;
    };
    const Step steps[] = {
        {"A\r\nB", "", "T", "A\nB", "A\nB", "T"},
        {"A\r\nB", "", "T", "A\nB", "A\nB", "T"},
        {"A\r\nB", "R 1", "T", "A\nB", "A\nB\nR 1", "T\nR 1"},
        {"A\r\nB", "R 2", "T", "A\nB", "A\nB\nR 2", "T\nR 2"},
        {"C", "R 2", "T", "C", "C\nR 2", "T\nR 2"},
        {"C", "R 2", "U\rV", "C", "C\nR 2", "U\nV\nR 2"},
        {"C", "", "U\rV", "C", "C", "U\nV"},
        {"D\r", "\nR\r\n3", "D\r", "D\n", "D\n\n\nR\n3", "D\n\n\nR\n3"},
    };
    ShownStatus shown;
    for (const Step& step : steps) {
        shown.update(QString::fromLatin1(step.status), QString::fromLatin1(step.reset),
                     QString::fromLatin1(step.tray));
        EXPECT_EQ(shown.status(), QLatin1String(step.shown));
        EXPECT_EQ(shown.statusHint(), QLatin1String(step.statusHint));
        EXPECT_EQ(shown.trayHint(), QLatin1String(step.trayHint));
    }
}

} // namespace vespera
