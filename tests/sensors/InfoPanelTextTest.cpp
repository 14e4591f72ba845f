#include <gtest/gtest.h>

#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"
#include "l10n/TranslationResources.h"
#include "sensors/InfoPanelText.h"

#include <optional>
#include <vector>

using namespace vespera;

namespace {

SystemFacts desktop(int battery, std::optional<SecurityProducts> security, bool is64Bit = true) {
    SystemFacts facts;
    facts.processor = {"Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz", 4, 3700};
    facts.operatingSystem = {"Debian GNU/Linux 12 (bookworm)", is64Bit};
    facts.screen = {1920, 1080, 24};
    facts.memory = {8'589'934'592, 5'368'709'120};
    facts.batteryPercent = battery;
    facts.security = std::move(security);
    return facts;
}

} // namespace

TEST(InfoPanelText, SummaryLinesAndGroupHeight) {
    const SecurityProducts oneOfEach{"ClamAV", "ufw"};
    const struct {
        const char* what;
        int language;
        SystemFacts facts;
        int lineCount;
        std::optional<int> height;
        std::vector<std::pair<int, QString>> lines; // line number, text
    } cases[] = {
        {"desktop",
         German,
         desktop(0, oneOfEach),
         8,
         121,
         {{0, "Prozessor: Intel Core i5-4590@ 3.30GHz"},
          {1, "Prozessor(en): 4   Taktung: 3700 MHz"},
          {2, "System: Debian GNU/Linux 12 (bookworm) - 64Bit"},
          {3, "Auflösung: 1920 x 1080 x 24 bit"},
          {4, "Gesamtspeicher: 8192 MB"},
          {5, "Freier Speicher: 5120 MB"},
          {6, "Antivirus: ClamAV"},
          {7, "Firewall: ufw"}}},
        {"laptop at 57 %", German, desktop(57, oneOfEach), 9, 137, {{8, "Akku Ladezustand: 57"}}},
        {"English keeps the fixed German texts",
         English,
         desktop(57, oneOfEach),
         9,
         137,
         {{1, "Processor(s): 4   Clocking: 3700 MHz"},
          {4, "Gesamtspeicher: 8192 MB"},
          {8, "Akku Ladezustand: 57"}}},
        {"nothing found, 32-bit",
         German,
         desktop(0, SecurityProducts{}, false),
         8,
         121,
         {{2, "System: Debian GNU/Linux 12 (bookworm) - 32Bit"},
          {6, "Antivirus: No supported AV products found..."},
          {7, "Firewall: No supported FW products found..."}}},
        {"no inventory",
         German,
         desktop(57, std::nullopt),
         8,
         std::nullopt,
         {{2, "System: Debian GNU/Linux 12 (bookworm)"}, {6, "Antivirus: "}, {7, "Firewall: "}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormTranslator texts(shippedTranslationTable("TMainForm"), "TMainForm", twoLanguageNames());
        texts.selectLanguage(c.language);
        const InfoPanelText panel = systemSummary(c.facts, texts);
        const QStringList lines = panel.text.split("\r\n");
        EXPECT_EQ(lines.size(), c.lineCount);
        EXPECT_EQ(panel.groupHeight, c.height);
        for (const auto& [index, text] : c.lines)
            EXPECT_EQ(lines.value(index), text) << index;
    }
}

TEST(InfoPanelText, ProcessorNameCleanUp) {
    const std::pair<const char*, const char*> cases[] = {
        {"Intel(R)   Xeon(TM)", "Intel Xeon"}, // three blanks keep one
        {"AMD  Ryzen 7", "AMDRyzen 7"},        // two blanks keep none
        {"  Intel(r) Pentium(tm) cpu 2.4 ", "Intel Pentium2.4"},
    };
    for (const auto& [model, cleaned] : cases)
        EXPECT_EQ(cleanProcessorName(model), cleaned) << model;
}

TEST(InfoPanelText, MegabytesRoundTwiceTiesToEven) {
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {8'589'934'592, 8192}, {2'621'440, 2}, {3'670'016, 4}, {1536, 0}, {1'572'864 + 512, 2},
    };
    for (const auto& [bytes, megabytes] : cases)
        EXPECT_EQ(roundedMegabytes(bytes), megabytes) << bytes;
}

TEST(InfoPanelText, ProcessStatusShowsTheThresholdAtMost100) {
    FormTranslator texts(shippedTranslationTable("TMainForm"), "TMainForm", twoLanguageNames());
    EXPECT_EQ(processStatusText("/usr/bin/ffmpeg", 150, 7, texts),
              "Überwachter Prozess: ffmpeg\r\nAuslastungsschwelle: 100%\r\nAktuelle Auslastung: 7%\r\n");
}
