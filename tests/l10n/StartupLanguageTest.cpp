#include <gtest/gtest.h>

#include "l10n/Languages.h"
#include "l10n/StartupLanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

using namespace vespera;

TEST(StartupLanguageTest, ChoosesFromSettingsFileMarkerAndCurrentLanguage) {
    struct Case {
        const char* name;
        int current;
        bool settingsFile;
        std::optional<int> stored;
        bool marker;
        int expected;
    };
    const Case cases[] = {
        {"first start with the marker: English", German, false, std::nullopt, true, English},
        {"first start without the marker: German", German, false, std::nullopt, false, German},
        {"settings say German, the marker is ignored", German, true, German, true, German},
        {"settings say English", German, true, English, false, English},
        {"settings without the key keep the current language", English, true, std::nullopt, true, English},
        {"settings without the key at the first choice: German, marker ignored", German, true, std::nullopt,
         true, German},
        {"an edited number is passed on for the dispatcher to refuse", German, true, 7, false, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(startupLanguage(c.current, c.settingsFile, c.stored, c.marker), c.expected);
    }
}

TEST(StartupLanguageTest, OnlyTheMarkerFilesPresenceCounts) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(languageMarkerExists(folder.path()));
    QFile marker(QDir(folder.path()).filePath("Language_EN.ini"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_TRUE(languageMarkerExists(folder.path()));
    EXPECT_FALSE(languageMarkerExists(QDir(folder.path()).filePath("elsewhere")));
}
