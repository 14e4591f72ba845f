#include <gtest/gtest.h>

#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/Languages.h"
#include "l10n/TranslationTarget.h"

#include "TestFormTable.h"

#include <algorithm>
#include <memory>

using namespace vespera;

namespace {

// Writes what translation hands to a window into a shared log.
class RecordingTarget : public TranslationTarget {
public:
    RecordingTarget(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}
    void apply(const TranslationAssignment& a) override {
        log_ << QStringLiteral("%1 %2=%3")
                    .arg(name_, a.component + (a.path.isEmpty() ? "" : "." + a.path.join('.')), a.value);
    }

private:
    QString name_;
    QStringList& log_;
};

std::unique_ptr<FormTranslator> translator(QStringList& log, const QString& name = "TTestForm") {
    return std::make_unique<FormTranslator>(TranslationTable::fromBytes(TestFormTable), "TTestForm",
                                            twoLanguageNames(), QStringList{"Edit1", "ComboBox1"},
                                            std::make_unique<RecordingTarget>(name, log));
}

// A translator of the test table writing into `log`.
class FormTranslatorTest : public ::testing::Test {
protected:
    QStringList log;
    std::unique_ptr<FormTranslator> t = translator(log);
};

class LanguageDispatcherTest : public ::testing::Test {
protected:
    QStringList log;
    LanguageDispatcher dispatcher{"TSplashScreen", twoLanguageNames()};
};

} // namespace

TEST_F(FormTranslatorTest, LookupTextFallsBackToGermanAndGivesNothingForAnUnknownKey) {
    EXPECT_EQ(t->lookupText("IDS_115"), " MHz");
    EXPECT_EQ(t->lookupText("IDS_231"), "Erster\r\nStart");
    ASSERT_TRUE(t->selectLanguage(English));
    EXPECT_EQ(t->lookupText("IDS_7"), QString::fromUtf16(u"Price: \u201E5\u201C"));
    EXPECT_EQ(t->lookupText("IDS_115"), " MHz");
    EXPECT_EQ(t->lookupText("IDS_231"), "First\r\nlaunch");
    EXPECT_EQ(t->lookupText("IDS_999"), "");
    EXPECT_EQ(t->lookupText("CheckBox2"), "");
}

TEST_F(FormTranslatorTest, DialogTextsHaveNoFallback) {
    EXPECT_EQ(t->dialogText("Yes"), "&Ja");
    EXPECT_EQ(t->dialogText("No"), "");
    t->selectLanguage(English);
    EXPECT_EQ(t->dialogText("Yes"), "");
}

TEST_F(FormTranslatorTest, AssignmentsOfTheActiveLanguage) {
    t->selectLanguage(English);
    // The window's own row has no component. Do-not-translate components (Edit1, ComboBox1), empty
    // values, keyed strings, message-box texts and character sets give nothing.
    EXPECT_EQ(log.size(), 18);
    for (const char* given :
         {"TTestForm =Test window", "TTestForm CheckBox2=Activate", "TTestForm Ueber1=About",
          "TTestForm CheckBox2=Arm\r\nthe watch", "TTestForm ProzCheckBox=Tahoma",
          "TTestForm Edit2.Text=Value", "TTestForm NoSuchWidget=missing"})
        EXPECT_TRUE(log.contains(given)) << given;
    for (const QString& entry : log) {
        EXPECT_FALSE(entry.contains("Edit1") || entry.contains("ComboBox1") ||
                     entry.contains("FullScreenchk") || entry.contains("CHARSET") || entry.contains("Yes") ||
                     entry.contains("IDS_"))
            << entry.toStdString();
    }
    const auto assignments = t->assignments();
    const auto memo = std::find_if(assignments.cbegin(), assignments.cend(),
                                   [](const TranslationAssignment& a) { return a.component == "Memo1"; });
    ASSERT_NE(memo, assignments.cend());
    EXPECT_EQ(memo->section, TableSection::MultiLines);
    EXPECT_EQ(memo->path, QStringList({"Lines"}));
    EXPECT_EQ(memo->items, QStringList({"Line one", "Line \"two\""}));
}

TEST_F(FormTranslatorTest, SelectingTheActiveLanguageAgainDoesNothing) {
    EXPECT_TRUE(t->selectLanguage(German));
    EXPECT_TRUE(log.isEmpty());
    t->selectLanguage(English);
    log.clear();
    EXPECT_TRUE(t->selectLanguage(English));
    EXPECT_TRUE(log.isEmpty());
    t->selectLanguage(German);
    EXPECT_TRUE(log.contains("TTestForm FullScreenchk=Fullscreen Countdown"));
}

TEST_F(FormTranslatorTest, RefusesLanguagesOutsideItsRangeAndKeepsItsLanguage) {
    t->selectLanguage(English);
    for (const int bad : {0, 3, -1}) {
        QString refusal;
        EXPECT_FALSE(t->selectLanguage(bad, &refusal));
        EXPECT_EQ(refusal, QStringLiteral(
                               "TTestForm: %1 - is not a valid property value!\rValue must be within [1..2]!")
                               .arg(bad));
        EXPECT_EQ(t->activeLanguage(), English);
    }
    EXPECT_FALSE(t->selectLanguage(7));
}

TEST_F(FormTranslatorTest, SelectsLanguagesByName) {
    FormTranslator update(TranslationTable::fromBytes(TestFormTable), "TOnlineUpdate",
                          updateWindowLanguageNames(), {}, std::make_unique<RecordingTarget>("update", log));
    EXPECT_TRUE(update.selectLanguageByName("FRANCE"));
    EXPECT_EQ(update.activeLanguage(), 5);
    QString refusal;
    EXPECT_FALSE(update.selectLanguageByName("English", &refusal));
    EXPECT_EQ(refusal, "Language name shall be included in LangNames property!");
    EXPECT_EQ(update.activeLanguage(), 5);
}

TEST_F(LanguageDispatcherTest, SwitchesLinkedTranslatorsInLinkOrder) {
    auto first = translator(log, "first");
    auto second = translator(log, "second");
    dispatcher.link(*first);
    dispatcher.link(*second);
    EXPECT_TRUE(log.isEmpty()) << "linking in German changes nothing";

    EXPECT_TRUE(dispatcher.selectLanguage(English));
    EXPECT_EQ(first->activeLanguage(), English);
    EXPECT_EQ(second->activeLanguage(), English);
    ASSERT_EQ(log.size(), 36);
    EXPECT_TRUE(log.at(17).startsWith("first ")) << log.at(17).toStdString();
    EXPECT_TRUE(log.at(18).startsWith("second ")) << log.at(18).toStdString();

    log.clear();
    EXPECT_TRUE(dispatcher.selectLanguage(English));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(LanguageDispatcherTest, ATranslatorLinkedLaterStartsInTheActiveLanguage) {
    dispatcher.selectLanguage(English);
    auto late = translator(log, "late");
    dispatcher.link(*late);
    EXPECT_EQ(late->activeLanguage(), English);
    EXPECT_EQ(late->dispatcher(), &dispatcher);
    EXPECT_TRUE(log.contains("late CheckBox2=Activate"));
}

TEST_F(LanguageDispatcherTest, RefusesALanguageOutOfRangeAndKeepsTheLastAccepted) {
    auto t = translator(log);
    dispatcher.link(*t);
    dispatcher.selectLanguage(English);
    QString refusal;
    EXPECT_FALSE(dispatcher.selectLanguage(3, &refusal));
    EXPECT_EQ(refusal, "TSplashScreen: 3 - is not a valid property value!\rValue must be within [1..2]!");
    EXPECT_EQ(dispatcher.activeLanguage(), English);
    EXPECT_EQ(t->activeLanguage(), English);
}

TEST_F(LanguageDispatcherTest, TranslatorsAndDispatcherMayEndInEitherOrder) {
    auto ending = std::make_unique<LanguageDispatcher>("TSplashScreen", twoLanguageNames());
    auto gone = translator(log, "gone");
    auto kept = translator(log, "kept");
    ending->link(*gone);
    ending->link(*kept);
    gone.reset();
    EXPECT_EQ(ending->linked(), QList<FormTranslator*>({kept.get()}));
    ending->selectLanguage(English);
    EXPECT_EQ(kept->activeLanguage(), English);

    ending.reset();
    EXPECT_EQ(kept->dispatcher(), nullptr);
}

TEST_F(LanguageDispatcherTest, LinkingToAnotherDispatcherLeavesTheFirst) {
    LanguageDispatcher update("TOnlineUpdate", twoLanguageNames());
    auto t = translator(log);
    dispatcher.link(*t);
    update.link(*t);
    EXPECT_TRUE(dispatcher.linked().isEmpty());
    EXPECT_EQ(update.linked().size(), 1);
}
