#include "update/VersionComparison.h"

#include <gtest/gtest.h>

using namespace vespera;

TEST(VersionComparison, DecidesByTheFirstDifferingPart) {
    const struct {
        const char* installed;
        const char* offered;
        bool newer;
    } cases[] = {
        {"2.3", "2.3.0.0", false}, {"2.3.0.0", "2.3", false}, {"2.9", "2.10", true},
        {"2.10", "2.9", false},    {"2.3a", "2.3b", true},    {"2.3B", "2.3a", false},
        {"2.3.9.9", "2.4", true},  {"2.3.1", "2.3.1", false}, {"1.2.3.4", "1.2.3.4.9", false},
        {"0.1.0", "", false},      {"", "0.0.1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNewerVersion(QString::fromLatin1(c.installed), QString::fromLatin1(c.offered)), c.newer)
            << c.installed << " against " << c.offered;
}

TEST(VersionComparison, DropsTheWordVersion) {
    EXPECT_FALSE(
        isNewerVersion(comparableVersion(QStringLiteral(" Version 2.3.1 ")), QStringLiteral("2.3.1")));
    EXPECT_EQ(comparableVersion(QStringLiteral("VERSION 1.0")), "1.0");
}
