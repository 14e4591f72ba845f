#include "update/VersionComparison.h"

#include <gtest/gtest.h>

using namespace vespera;

TEST(VersionComparison, DecidesByTheFirstDifferingPart) {
    const struct {
        const char* installed; // as the program's version text gives it
        const char* offered;
        bool newer;
    } cases[] = {
        {"2.3", "2.3.0.0", false},      {"2.3.0.0", "2.3", false},
        {"2.9", "2.10", true},          {"2.10", "2.9", false},
        {"2.3a", "2.3b", true},         {"2.3B", "2.3a", false},
        {"2.3.9.9", "2.4", true},       {" Version 2.3.1 ", "2.3.1", false},
        {"VERSION 2.3", "2.3.1", true}, {"1.2.3.4", "1.2.3.4.9", false},
        {"0.1.0", "", false},           {"", "0.0.1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNewerVersion(comparableVersion(c.installed), c.offered), c.newer)
            << c.installed << "/" << c.offered;
}
