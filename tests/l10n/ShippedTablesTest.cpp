#include <gtest/gtest.h>

#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"
#include "l10n/TranslationResources.h"

#include <QFile>

using namespace vespera;

namespace {

QByteArray rawTable(const QString& window) {
    shippedTranslationTable(window); // registers the resources
    QFile file(translationTablePath(window));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ShippedTablesTest, EveryTableReadsCleanlyWithTwoValuesARow) {
    for (const QString window : {"TSplashScreen", "TMainForm", "TCountDownForm", "TSchedForm",
                                 "TTaskSelectForm", "TAboutForm", "TWizardForm"}) {
        SCOPED_TRACE(window.toStdString());
        const auto table = shippedTranslationTable(window);
        EXPECT_FALSE(table.isEmpty());
        EXPECT_EQ(table.skippedLines(), 0);
        for (const TranslationRow& row : table.rows())
            EXPECT_EQ(row.values.size(), 2) << row.key.toStdString();
    }
    EXPECT_TRUE(shippedTranslationTable("TNoSuchForm").isEmpty());
}

TEST(ShippedTablesTest, TablesAreWindows1252WithCrLfLines) {
    const QByteArray bytes = rawTable("TMainForm");
    EXPECT_TRUE(bytes.contains("\x01\xDC"
                               "ber\x01"))
        << "the German caption \"\xC3\x9C"
           "ber\" as one byte";
    EXPECT_FALSE(bytes.contains("\xC3\x9C"));
    EXPECT_TRUE(bytes.contains("\x19\x1A"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.startsWith("stCaptions\r\n"));
    EXPECT_FALSE(bytes.contains("stDlgsCaptions"));
    EXPECT_FALSE(bytes.contains("stLocales"));
}

TEST(ShippedTablesTest, HostWindowHoldsTheMessageBoxTextsInGermanOnly) {
    const auto table = shippedTranslationTable("TSplashScreen");
    // Every button and kind caption the message boxes look up.
    for (const char* key : {"Warning", "Error", "Information", "Confirm", "Yes", "No", "OK", "Cancel",
                            "Abort", "Retry", "Ignore", "All", "No To All", "Yes To All", "Help"}) {
        const TranslationRow* row = table.find(TableSection::DlgsCaptions, key);
        ASSERT_NE(row, nullptr) << key;
        EXPECT_FALSE(row->value(German).isEmpty()) << key;
    }
    for (const TranslationRow& row : table.rows())
        EXPECT_EQ(row.value(English), "") << row.key.toStdString();
    EXPECT_EQ(table.find(TableSection::Captions, "TSplashScreen")->value(German), "Vespera");
}

// The keyed texts the code looks up by number are there.
TEST(ShippedTablesTest, MainWindowHasItsKeyedTexts) {
    FormTranslator main(shippedTranslationTable("TMainForm"), "TMainForm", twoLanguageNames());
    for (int key = 22; key <= 32; ++key)
        EXPECT_FALSE(main.lookupText(QStringLiteral("IDS_%1").arg(key)).isEmpty()) << key;
}

TEST(ShippedTablesTest, MainWindowHasNoRowsForTextsThatCodeSets) {
    const auto table = shippedTranslationTable("TMainForm");
    // The window caption carries the version, Label4 the network scale; the lists and the four hints
    // are set once at start-up.
    for (const char* component : {"TMainForm", "Label4", "ComboBox1", "ComboBox3", "Progressbar1_new",
                                  "ProgressBar2_new", "Edit1", "Edit4", "StatusLine", "SysInfo1lbl"}) {
        for (const TranslationRow& row : table.rows())
            EXPECT_NE(row.key.section(u'.', 0, 0), component) << row.key.toStdString();
    }
}
