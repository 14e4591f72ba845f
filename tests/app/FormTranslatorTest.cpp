#include <gtest/gtest.h>

#include "app/FormTranslator.h"
#include "app/LanguageDispatcher.h"
#include "app/Languages.h"
#include "app/TranslationTarget.h"

#include <memory>

using namespace vespera;

namespace {

const QByteArray MainTable = QByteArrayLiteral("stCaptions\r\n"
                                               "TTestForm\x01"
                                               "Testfenster\x01"
                                               "Test window\x01"
                                               "\r\n"
                                               "CheckBox2\x01"
                                               "Aktivieren\x01"
                                               "Activate\x01"
                                               "\r\n"
                                               "FullScreenchk\x01"
                                               "Fullscreen Countdown\x01"
                                               "\x01"
                                               "\r\n"
                                               "Edit1\x01"
                                               "gesperrt\x01"
                                               "locked\x01"
                                               "\r\n"
                                               "stHints\r\n"
                                               "CheckBox2\x01"
                                               "Zeile 1\x19\x1AZeile 2\x01"
                                               "Line 1\x19\x1ALine 2\x01"
                                               "\r\n"
                                               "stFonts\r\n"
                                               "ProzCheckBox\x01"
                                               "Microsoft Sans Serif\x01"
                                               "Tahoma\x01"
                                               "\r\n"
                                               "stMultiLines\r\n"
                                               "Memo1.Lines\x01"
                                               "eins,\"zwei drei\"\x01"
                                               "one,\"two three\"\x01"
                                               "\r\n"
                                               "ComboBox1.Items\x01"
                                               "10 Sekunden\x01"
                                               "10 seconds\x01"
                                               "\r\n"
                                               "stDlgsCaptions\r\n"
                                               "Yes\x01"
                                               "&Ja\x01"
                                               "\x01"
                                               "\r\n"
                                               "stStrings\r\n"
                                               "IDS_102\x01"
                                               "In \x01"
                                               "In \x01"
                                               "\r\n"
                                               "IDS_115\x01"
                                               " MHz\x01"
                                               "\x01"
                                               "\r\n"
                                               "IDS_231\x01"
                                               "Erster\x19\x1AStart\x01"
                                               "First\x19\x1Alaunch\x01"
                                               "\r\n"
                                               "stOtherStrings\r\n"
                                               "Edit2.Text\x01"
                                               "Wert\x01"
                                               "Value\x01"
                                               "\r\n"
                                               "stCharSets\r\n"
                                               "TTestForm\x01"
                                               "DEFAULT_CHARSET\x01"
                                               "ANSI_CHARSET\x01"
                                               "\r\n");

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
    return std::make_unique<FormTranslator>(TranslationTable::fromBytes(MainTable), "TTestForm",
                                            twoLanguageNames(), QStringList{"Edit1", "ComboBox1"},
                                            std::make_unique<RecordingTarget>(name, log));
}

} // namespace

TEST(FormTranslatorTest, LookupTextFallsBackToGermanAndGivesNothingForAnUnknownKey) {
    QStringList log;
    auto t = translator(log);
    EXPECT_EQ(t->lookupText("IDS_115"), " MHz");
    EXPECT_EQ(t->lookupText("IDS_231"), "Erster\r\nStart");
    ASSERT_TRUE(t->selectLanguage(English));
    EXPECT_EQ(t->lookupText("IDS_102"), "In ");
    EXPECT_EQ(t->lookupText("IDS_115"), " MHz");
    EXPECT_EQ(t->lookupText("IDS_231"), "First\r\nlaunch");
    EXPECT_EQ(t->lookupText("IDS_999"), "");
    EXPECT_EQ(t->lookupText("CheckBox2"), "");
}

TEST(FormTranslatorTest, DialogTextsHaveNoFallback) {
    QStringList log;
    auto t = translator(log);
    EXPECT_EQ(t->dialogText("Yes"), "&Ja");
    EXPECT_EQ(t->dialogText("No"), "");
    t->selectLanguage(English);
    EXPECT_EQ(t->dialogText("Yes"), "");
}

TEST(FormTranslatorTest, AssignmentsOfTheActiveLanguage) {
    QStringList log;
    auto t = translator(log);
    t->selectLanguage(English);
    // The window's own row has no component; do-not-translate components, empty values, keyed strings,
    // message-box texts and character sets give nothing.
    EXPECT_EQ(log, QStringList({"TTestForm =Test window", "TTestForm CheckBox2=Activate",
                                "TTestForm CheckBox2=Line 1\r\nLine 2", "TTestForm ProzCheckBox=Tahoma",
                                "TTestForm Memo1.Lines=one,\"two three\"", "TTestForm Edit2.Text=Value"}));
    const auto assignments = t->assignments();
    ASSERT_EQ(assignments.size(), 6);
    EXPECT_EQ(assignments.at(3).section, TableSection::Fonts);
    EXPECT_EQ(assignments.at(4).path, QStringList({"Lines"}));
    EXPECT_EQ(assignments.at(4).items, QStringList({"one", "two three"}));
}

TEST(FormTranslatorTest, SelectingTheActiveLanguageAgainDoesNothing) {
    QStringList log;
    auto t = translator(log);
    EXPECT_TRUE(t->selectLanguage(German));
    EXPECT_TRUE(log.isEmpty());
    t->selectLanguage(English);
    log.clear();
    EXPECT_TRUE(t->selectLanguage(English));
    EXPECT_TRUE(log.isEmpty());
    t->selectLanguage(German);
    EXPECT_TRUE(log.contains("TTestForm FullScreenchk=Fullscreen Countdown"));
}

TEST(FormTranslatorTest, RefusesLanguagesOutsideItsRangeAndKeepsItsLanguage) {
    QStringList log;
    auto t = translator(log);
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

TEST(FormTranslatorTest, SelectsLanguagesByName) {
    QStringList log;
    FormTranslator update(TranslationTable::fromBytes(MainTable), "TOnlineUpdate",
                          updateWindowLanguageNames(), {}, std::make_unique<RecordingTarget>("update", log));
    EXPECT_TRUE(update.selectLanguageByName("FRANCE"));
    EXPECT_EQ(update.activeLanguage(), 5);
    QString refusal;
    EXPECT_FALSE(update.selectLanguageByName("English", &refusal));
    EXPECT_EQ(refusal, "Language name shall be included in LangNames property!");
    EXPECT_EQ(update.activeLanguage(), 5);
}

TEST(LanguageDispatcherTest, SwitchesLinkedTranslatorsInLinkOrder) {
    QStringList log;
    LanguageDispatcher dispatcher("TSplashScreen", twoLanguageNames());
    auto first = translator(log, "first");
    auto second = translator(log, "second");
    dispatcher.link(*first);
    dispatcher.link(*second);
    EXPECT_TRUE(log.isEmpty()) << "linking in German changes nothing";

    EXPECT_TRUE(dispatcher.selectLanguage(English));
    EXPECT_EQ(first->activeLanguage(), English);
    EXPECT_EQ(second->activeLanguage(), English);
    ASSERT_EQ(log.size(), 12);
    EXPECT_TRUE(log.at(5).startsWith("first ")) << log.at(5).toStdString();
    EXPECT_TRUE(log.at(6).startsWith("second ")) << log.at(6).toStdString();

    log.clear();
    EXPECT_TRUE(dispatcher.selectLanguage(English));
    EXPECT_TRUE(log.isEmpty());
}

TEST(LanguageDispatcherTest, ATranslatorLinkedLaterStartsInTheActiveLanguage) {
    QStringList log;
    LanguageDispatcher dispatcher("TSplashScreen", twoLanguageNames());
    dispatcher.selectLanguage(English);
    auto late = translator(log, "late");
    dispatcher.link(*late);
    EXPECT_EQ(late->activeLanguage(), English);
    EXPECT_EQ(late->dispatcher(), &dispatcher);
    EXPECT_TRUE(log.contains("late CheckBox2=Activate"));
}

TEST(LanguageDispatcherTest, RefusesALanguageOutOfRangeAndKeepsTheLastAccepted) {
    QStringList log;
    LanguageDispatcher dispatcher("TSplashScreen", twoLanguageNames());
    auto t = translator(log);
    dispatcher.link(*t);
    dispatcher.selectLanguage(English);
    QString refusal;
    EXPECT_FALSE(dispatcher.selectLanguage(3, &refusal));
    EXPECT_EQ(refusal, "TSplashScreen: 3 - is not a valid property value!\rValue must be within [1..2]!");
    EXPECT_EQ(dispatcher.activeLanguage(), English);
    EXPECT_EQ(t->activeLanguage(), English);
}

TEST(LanguageDispatcherTest, TranslatorsAndDispatcherMayEndInEitherOrder) {
    QStringList log;
    auto dispatcher = std::make_unique<LanguageDispatcher>("TSplashScreen", twoLanguageNames());
    auto gone = translator(log, "gone");
    auto kept = translator(log, "kept");
    dispatcher->link(*gone);
    dispatcher->link(*kept);
    gone.reset();
    EXPECT_EQ(dispatcher->linked(), QList<FormTranslator*>({kept.get()}));
    dispatcher->selectLanguage(English);
    EXPECT_EQ(kept->activeLanguage(), English);

    dispatcher.reset();
    EXPECT_EQ(kept->dispatcher(), nullptr);
}

TEST(LanguageDispatcherTest, LinkingToAnotherDispatcherLeavesTheFirst) {
    QStringList log;
    LanguageDispatcher main("TSplashScreen", twoLanguageNames());
    LanguageDispatcher update("TOnlineUpdate", twoLanguageNames());
    auto t = translator(log);
    main.link(*t);
    update.link(*t);
    EXPECT_TRUE(main.linked().isEmpty());
    EXPECT_EQ(update.linked().size(), 1);
}
