#include <gtest/gtest.h>

#include "l10n/TranslationTable.h"

#include "TestFormTable.h"

using namespace vespera;

namespace {

struct ExpectedRow {
    TableSection section;
    const char16_t* key;
    const char16_t* german;
    const char16_t* english;
};

} // namespace

TEST(TranslationTableTest, ReadsEverySectionKind) {
    const auto table = TranslationTable::fromBytes(TestFormTable);
    EXPECT_EQ(table.rows().size(), 27);
    EXPECT_EQ(table.skippedLines(), 0);
    const ExpectedRow expected[] = {
        {TableSection::Captions, u"Ueber1", u"\u00DCber", u"About"},
        {TableSection::Captions, u"FullScreenchk", u"Fullscreen Countdown", u""},
        {TableSection::Hints, u"CheckBox2", u"Scharf\r\nschalten", u"Arm\r\nthe watch"},
        {TableSection::Fonts, u"ProzCheckBox", u"Microsoft Sans Serif", u"Tahoma"},
        {TableSection::MultiLines, u"cbbmonthday.Items", u"1.,2.,\"3. Tag\"", u"1st,2nd,\"3rd day\""},
        {TableSection::DlgsCaptions, u"Yes", u"&Ja", u""},
        {TableSection::Strings, u"IDS_7", u"Preis: 5 \u20AC", u"Price: \u201E5\u201C"},
        {TableSection::Strings, u"IDS_115", u" MHz", u""},
        {TableSection::OtherStrings, u"Edit2.Text", u"Wert", u"Value"},
        {TableSection::CharSets, u"TTestForm", u"DEFAULT_CHARSET", u"ANSI_CHARSET"},
    };
    for (const ExpectedRow& e : expected) {
        const QString key = QString::fromUtf16(e.key);
        SCOPED_TRACE(key.toStdString());
        const TranslationRow* row = table.find(e.section, key);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->values, QStringList({QString::fromUtf16(e.german), QString::fromUtf16(e.english)}));
    }
    EXPECT_EQ(table.rows().first().key, "TTestForm");
    EXPECT_EQ(table.rows().last().section, TableSection::CharSets);
}

TEST(TranslationTableTest, FindsRowsBySectionAndExactKey) {
    const auto table = TranslationTable::fromBytes(TestFormTable);
    EXPECT_EQ(table.find(TableSection::Captions, "TTestForm")->value(2), "Test window");
    EXPECT_EQ(table.find(TableSection::Strings, "TTestForm"), nullptr);
    EXPECT_EQ(table.find(TableSection::Strings, "ids_115"), nullptr);
    const TranslationRow* mhz = table.find(TableSection::Strings, "IDS_115");
    ASSERT_NE(mhz, nullptr);
    EXPECT_EQ(mhz->value(0), "");
    EXPECT_EQ(mhz->value(3), "");
}

// Fixtures below are written one line of the table per source line.
// clang-format off

TEST(TranslationTableTest, ReadsAFiveLanguageRow) {
    const auto table = TranslationTable::fromBytes(QByteArrayLiteral(
        "stStrings\r\n"
        "IDS_27\x01" "Information\x01" "Information\x01" "Informaci\xF3n\x01" "Informazione\x01" "\x01" "\r\n"));
    const TranslationRow* row = table.find(TableSection::Strings, "IDS_27");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->values.size(), 5);
    EXPECT_EQ(row->value(3), QString::fromUtf16(u"Informaci\u00F3n"));
    EXPECT_EQ(row->value(4), "Informazione");
    EXPECT_EQ(row->value(5), "");
}

TEST(TranslationTableTest, KeepsALoneBreakByteAndFindsTheFirstOfTwoEqualKeys) {
    const auto table = TranslationTable::fromBytes(QByteArrayLiteral(
        "stStrings\r\n"
        "IDS_1\x01" "a\x19" "b\x1A" "c\x19\x1A\x19\x1A" "d\x01" "\x01" "\r\n"
        "IDS_1\x01" "zweite\x01" "second\x01" "\r\n"));
    EXPECT_EQ(table.rows().size(), 2);
    EXPECT_EQ(table.find(TableSection::Strings, "IDS_1")->value(1),
              QString::fromUtf16(u"a\x19" u"b\x1A" u"c\r\n\r\nd"));
}

TEST(TranslationTableTest, SectionsInAnyOrderAndRepeatedSectionsAddUp) {
    const auto table = TranslationTable::fromBytes(QByteArrayLiteral(
        "stStrings\r\n"
        "IDS_1\x01" "eins\x01" "one\x01" "\r\n"
        "stCaptions\r\n"
        "Label1\x01" "Etikett\x01" "Label\x01" "\r\n"
        "stStrings\r\n"
        "IDS_2\x01" "zwei\x01" "two\x01" "\r\n"));
    EXPECT_EQ(table.skippedLines(), 0);
    EXPECT_EQ(table.find(TableSection::Strings, "IDS_2")->value(2), "two");
    EXPECT_EQ(table.find(TableSection::Captions, "Label1")->value(1), "Etikett");
}

// Damaged tables: what can be read is kept, the rest is skipped.
TEST(TranslationTableTest, BrokenTables) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList keys; // keys of the rows read, in order
        int skipped;
    };
    const Case cases[] = {
        {"zero-length table", QByteArray(), {}, 0},
        {"only line ends", QByteArrayLiteral("\r\n\r\n\n"), {}, 0},
        {"row before any section", QByteArrayLiteral(
            "IDS_0\x01" "frei\x01" "free\x01" "\r\n"
            "stStrings\r\n"
            "IDS_1\x01" "eins\x01" "one\x01" "\r\n"),
         {"IDS_1"}, 1},
        {"unknown section: its rows are skipped up to the next known one", QByteArrayLiteral(
            "stCaptions\r\n"
            "Label1\x01" "a\x01" "b\x01" "\r\n"
            "stPictures\r\n"
            "Image1\x01" "x\x01" "y\x01" "\r\n"
            "stStrings\r\n"
            "IDS_1\x01" "eins\x01" "one\x01" "\r\n"),
         {"Label1", "IDS_1"}, 2},
        {"row that lost every delimiter: skipped alone", QByteArrayLiteral(
            "stCaptions\r\n"
            "Label1 Text Text\r\n"
            "Label2\x01" "a\x01" "b\x01" "\r\n"),
         {"Label2"}, 1},
        {"row without a key", QByteArrayLiteral(
            "stCaptions\r\n"
            "\x01" "a\x01" "b\x01" "\r\n"
            "Label2\x01" "a\x01" "b\x01" "\r\n"),
         {"Label2"}, 1},
        {"LF-only line ends", QByteArrayLiteral(
            "stStrings\n"
            "IDS_1\x01" "eins\x01" "one\x01" "\n"
            "IDS_2\x01" "zwei\x01" "two\x01" "\n"),
         {"IDS_1", "IDS_2"}, 0},
        {"truncated last row, no line end", QByteArrayLiteral(
            "stStrings\r\n"
            "IDS_1\x01" "eins\x01" "on"),
         {"IDS_1"}, 0},
        {"truncated inside the key", QByteArrayLiteral("stStrings\r\nIDS_"), {}, 1},
        {"CR-only line ends: one long line, before any section", QByteArrayLiteral(
            "stStrings\r"
            "IDS_1\x01" "eins\x01" "one\x01" "\r"),
         {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto table = TranslationTable::fromBytes(c.bytes);
        QStringList keys;
        for (const TranslationRow& row : table.rows())
            keys << row.key;
        EXPECT_EQ(keys, c.keys);
        EXPECT_EQ(table.skippedLines(), c.skipped);
    }
}

TEST(TranslationTableTest, AValueCountsOnlyWhenItsDelimiterFollows) {
    const auto missing = TranslationTable::fromBytes(QByteArrayLiteral(
        "stCaptions\r\n"
        "Label1\x01" "Nur Deutsch\x01" "English\r\n"
        "Label2\x01" "Kein Trenner\r\n"));
    EXPECT_EQ(missing.find(TableSection::Captions, "Label1")->values, QStringList({"Nur Deutsch"}));
    EXPECT_EQ(missing.find(TableSection::Captions, "Label1")->value(2), "");
    EXPECT_TRUE(missing.find(TableSection::Captions, "Label2")->values.isEmpty());

    // The table ends in the middle of a line break pair: the half value is dropped.
    const auto halfBreak = TranslationTable::fromBytes(QByteArrayLiteral(
        "stStrings\r\n"
        "IDS_1\x01" "eins\x01" "one\x19"));
    EXPECT_EQ(halfBreak.find(TableSection::Strings, "IDS_1")->values, QStringList({"eins"}));
}

TEST(TranslationTableTest, ReadsNothingPastTheEndOfItsBytes) {
    // The bytes after the table's end hold the delimiter that would close the English value.
    static const char buffer[] = "stStrings\r\n" "IDS_1\x01" "eins\x01" "one\x01" "\r\n" "IDS_2\x01";
    const auto end = static_cast<qsizetype>(qstrlen("stStrings\r\n" "IDS_1\x01" "eins\x01" "one"));
    const auto table = TranslationTable::fromBytes(QByteArray::fromRawData(buffer, end));
    ASSERT_EQ(table.rows().size(), 1);
    EXPECT_EQ(table.rows().first().values, QStringList({"eins"}));
}

// clang-format on

TEST(TranslationTableTest, UnreadableFileGivesAnEmptyTable) {
    EXPECT_TRUE(TranslationTable::fromFile(QStringLiteral("/nonexistent/TMainForm.tbl")).isEmpty());
}
