#include <gtest/gtest.h>

#include "app/TranslationTable.h"

using namespace vespera;

namespace {

// Every field of a row is closed by 0x01; each literal below ends at a delimiter so that no hex
// escape runs into the next text.
const QByteArray EverySection = QByteArrayLiteral("stCaptions\r\n"
                                                  "TMainForm\x01"
                                                  "Hauptfenster\x01"
                                                  "Main window\x01"
                                                  "\r\n"
                                                  "Ueber1\x01"
                                                  "\xDC"
                                                  "ber\x01"
                                                  "About\x01"
                                                  "\r\n"
                                                  "stHints\r\n"
                                                  "CheckBox2\x01"
                                                  "Zeile 1\x19\x1AZeile 2\x01"
                                                  "Line 1\x19\x1ALine 2\x01"
                                                  "\r\n"
                                                  "stDisplayLabels\r\n"
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
                                                  "stDlgsCaptions\r\n"
                                                  "Yes\x01"
                                                  "&Ja\x01"
                                                  "\x01"
                                                  "\r\n"
                                                  "stStrings\r\n"
                                                  "IDS_115\x01"
                                                  " MHz\x01"
                                                  "\x01"
                                                  "\r\n"
                                                  "IDS_7\x01"
                                                  "Preis: 5 \x80\x01"
                                                  "Price: \x84"
                                                  "5\x93\x01"
                                                  "\r\n"
                                                  "stOtherStrings\r\n"
                                                  "Edit2.Text\x01"
                                                  "Wert\x01"
                                                  "Value\x01"
                                                  "\r\n"
                                                  "stLocales\r\n"
                                                  "stCollections\r\n"
                                                  "stCharSets\r\n"
                                                  "TMainForm\x01"
                                                  "DEFAULT_CHARSET\x01"
                                                  "ANSI_CHARSET\x01"
                                                  "\r\n");

struct ExpectedRow {
    TableSection section;
    const char16_t* key;
    const char16_t* german;
    const char16_t* english;
};

} // namespace

TEST(TranslationTableTest, ReadsEverySectionKindInTableOrder) {
    const auto table = TranslationTable::fromBytes(EverySection);
    const ExpectedRow expected[] = {
        {TableSection::Captions, u"TMainForm", u"Hauptfenster", u"Main window"},
        {TableSection::Captions, u"Ueber1", u"\u00DCber", u"About"},
        {TableSection::Hints, u"CheckBox2", u"Zeile 1\r\nZeile 2", u"Line 1\r\nLine 2"},
        {TableSection::Fonts, u"ProzCheckBox", u"Microsoft Sans Serif", u"Tahoma"},
        {TableSection::MultiLines, u"Memo1.Lines", u"eins,\"zwei drei\"", u"one,\"two three\""},
        {TableSection::DlgsCaptions, u"Yes", u"&Ja", u""},
        {TableSection::Strings, u"IDS_115", u" MHz", u""},
        {TableSection::Strings, u"IDS_7", u"Preis: 5 \u20AC", u"Price: \u201E5\u201C"},
        {TableSection::OtherStrings, u"Edit2.Text", u"Wert", u"Value"},
        {TableSection::CharSets, u"TMainForm", u"DEFAULT_CHARSET", u"ANSI_CHARSET"},
    };
    ASSERT_EQ(table.rows().size(), std::size(expected));
    EXPECT_EQ(table.skippedLines(), 0);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TranslationRow& row = table.rows().at(static_cast<qsizetype>(i));
        SCOPED_TRACE(row.key.toStdString());
        EXPECT_EQ(row.section, expected[i].section);
        EXPECT_EQ(row.key, QString::fromUtf16(expected[i].key));
        EXPECT_EQ(row.values, QStringList({QString::fromUtf16(expected[i].german),
                                           QString::fromUtf16(expected[i].english)}));
    }
}

TEST(TranslationTableTest, FindsRowsBySectionAndKey) {
    const auto table = TranslationTable::fromBytes(EverySection);
    ASSERT_NE(table.find(TableSection::CharSets, "TMainForm"), nullptr);
    EXPECT_EQ(table.find(TableSection::CharSets, "TMainForm")->value(1), "DEFAULT_CHARSET");
    EXPECT_EQ(table.find(TableSection::Captions, "TMainForm")->value(2), "Main window");
    EXPECT_EQ(table.find(TableSection::Strings, "TMainForm"), nullptr);
    EXPECT_EQ(table.find(TableSection::Strings, "ids_115"), nullptr);

    const TranslationRow* mhz = table.find(TableSection::Strings, "IDS_115");
    ASSERT_NE(mhz, nullptr);
    EXPECT_EQ(mhz->value(2), "");
    EXPECT_EQ(mhz->value(0), "");
    EXPECT_EQ(mhz->value(3), "");
}

TEST(TranslationTableTest, ReadsAFiveLanguageRow) {
    const auto table = TranslationTable::fromBytes(QByteArrayLiteral("stStrings\r\n"
                                                                     "IDS_27\x01"
                                                                     "Information\x01"
                                                                     "Information\x01"
                                                                     "Informaci\xF3n\x01"
                                                                     "Informazione\x01"
                                                                     "\x01"
                                                                     "\r\n"));
    const TranslationRow* row = table.find(TableSection::Strings, "IDS_27");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->values.size(), 5);
    EXPECT_EQ(row->value(3), QString::fromUtf16(u"Informaci\u00F3n"));
    EXPECT_EQ(row->value(4), "Informazione");
    EXPECT_EQ(row->value(5), "");
}

TEST(TranslationTableTest, KeepsALoneBreakByteAndTheFirstOfTwoEqualKeys) {
    const auto table = TranslationTable::fromBytes(QByteArrayLiteral("stStrings\r\n"
                                                                     "IDS_1\x01"
                                                                     "a\x19"
                                                                     "b\x1A"
                                                                     "c\x19\x1A\x19\x1A"
                                                                     "d\x01"
                                                                     "\x01"
                                                                     "\r\n"
                                                                     "IDS_1\x01"
                                                                     "zweite\x01"
                                                                     "second\x01"
                                                                     "\r\n"));
    EXPECT_EQ(table.rows().size(), 2);
    EXPECT_EQ(table.find(TableSection::Strings, "IDS_1")->value(1), QString::fromUtf16(u"a\x19"
                                                                                       u"b\x1A"
                                                                                       u"c\r\n\r\nd"));
}

TEST(TranslationTableTest, SectionsInAnyOrderAndRepeatedSectionsAddUp) {
    const auto table = TranslationTable::fromBytes(QByteArrayLiteral("stStrings\r\n"
                                                                     "IDS_1\x01"
                                                                     "eins\x01"
                                                                     "one\x01"
                                                                     "\r\n"
                                                                     "stCaptions\r\n"
                                                                     "Label1\x01"
                                                                     "Etikett\x01"
                                                                     "Label\x01"
                                                                     "\r\n"
                                                                     "stStrings\r\n"
                                                                     "IDS_2\x01"
                                                                     "zwei\x01"
                                                                     "two\x01"
                                                                     "\r\n"));
    EXPECT_EQ(table.skippedLines(), 0);
    EXPECT_EQ(table.find(TableSection::Strings, "IDS_2")->value(2), "two");
    EXPECT_EQ(table.find(TableSection::Captions, "Label1")->value(1), "Etikett");
}

// Damaged tables: what can be read is kept, the rest is skipped, and nothing is read past the end.
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
        {"row before any section",
         QByteArrayLiteral("IDS_0\x01"
                           "frei\x01"
                           "free\x01"
                           "\r\n"
                           "stStrings\r\n"
                           "IDS_1\x01"
                           "eins\x01"
                           "one\x01"
                           "\r\n"),
         {"IDS_1"},
         1},
        {"unknown section: its rows are skipped up to the next known one",
         QByteArrayLiteral("stCaptions\r\n"
                           "Label1\x01"
                           "a\x01"
                           "b\x01"
                           "\r\n"
                           "stPictures\r\n"
                           "Image1\x01"
                           "x\x01"
                           "y\x01"
                           "\r\n"
                           "stStrings\r\n"
                           "IDS_1\x01"
                           "eins\x01"
                           "one\x01"
                           "\r\n"),
         {"Label1", "IDS_1"},
         2},
        {"row that lost every delimiter: skipped alone",
         QByteArrayLiteral("stCaptions\r\n"
                           "Label1 Text Text\r\n"
                           "Label2\x01"
                           "a\x01"
                           "b\x01"
                           "\r\n"),
         {"Label2"},
         1},
        {"row without a key",
         QByteArrayLiteral("stCaptions\r\n"
                           "\x01"
                           "a\x01"
                           "b\x01"
                           "\r\n"
                           "Label2\x01"
                           "a\x01"
                           "b\x01"
                           "\r\n"),
         {"Label2"},
         1},
        {"LF-only line ends",
         QByteArrayLiteral("stStrings\n"
                           "IDS_1\x01"
                           "eins\x01"
                           "one\x01"
                           "\n"
                           "IDS_2\x01"
                           "zwei\x01"
                           "two\x01"
                           "\n"),
         {"IDS_1", "IDS_2"},
         0},
        {"truncated last row, no line end",
         QByteArrayLiteral("stStrings\r\n"
                           "IDS_1\x01"
                           "eins\x01"
                           "on"),
         {"IDS_1"},
         0},
        {"truncated inside the key", QByteArrayLiteral("stStrings\r\nIDS_"), {}, 1},
        {"CR-only line ends: one long line, before any section",
         QByteArrayLiteral("stStrings\r"
                           "IDS_1\x01"
                           "eins\x01"
                           "one\x01"
                           "\r"),
         {},
         1},
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
    const auto missing = TranslationTable::fromBytes(QByteArrayLiteral("stCaptions\r\n"
                                                                       "Label1\x01"
                                                                       "Nur Deutsch\x01"
                                                                       "English\r\n"
                                                                       "Label2\x01"
                                                                       "Kein Trenner\r\n"));
    EXPECT_EQ(missing.find(TableSection::Captions, "Label1")->values, QStringList({"Nur Deutsch"}));
    EXPECT_EQ(missing.find(TableSection::Captions, "Label1")->value(2), "");
    EXPECT_TRUE(missing.find(TableSection::Captions, "Label2")->values.isEmpty());

    // The table ends in the middle of a line break pair: the half value is dropped.
    const auto halfBreak = TranslationTable::fromBytes(QByteArrayLiteral("stStrings\r\n"
                                                                         "IDS_1\x01"
                                                                         "eins\x01"
                                                                         "one\x19"));
    EXPECT_EQ(halfBreak.find(TableSection::Strings, "IDS_1")->values, QStringList({"eins"}));
}

TEST(TranslationTableTest, ReadsNothingPastTheEndOfItsBytes) {
    // The bytes after the table's end hold the delimiter that would close the English value.
    static const char buffer[] = "stStrings\r\nIDS_1\x01"
                                 "eins\x01"
                                 "one\x01"
                                 "\r\nIDS_2\x01";
    const auto end = static_cast<qsizetype>(qstrlen("stStrings\r\nIDS_1\x01"
                                                    "eins\x01"
                                                    "one"));
    const auto table = TranslationTable::fromBytes(QByteArray::fromRawData(buffer, end));
    ASSERT_EQ(table.rows().size(), 1);
    EXPECT_EQ(table.rows().first().values, QStringList({"eins"}));
}

TEST(TranslationTableTest, UnreadableFileGivesAnEmptyTable) {
    const auto table = TranslationTable::fromFile(QStringLiteral("/nonexistent/TMainForm.tbl"));
    EXPECT_TRUE(table.isEmpty());
}
