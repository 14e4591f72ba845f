#include <gtest/gtest.h>

#include "settings/IniFile.h"

#include <limits>

using namespace vespera;

namespace {

IniFile parse(const char* text) {
    return IniFile::fromBytes(QByteArray(text));
}

} // namespace

TEST(IniFile, ParsesDecimalAndHexadecimalIntegersWithinRange) {
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"12", 12},           {" 12 ", 12},        {"+7", 7},   {"-7", -7},
        {"0x20", 32},         {"0X20", 32},        {"$20", 32}, {"$fF", 255},
        {"-$10", -16},        {"-0x10", -16},      {"007", 7},  {"2147483647", Max},
        {"-2147483648", Min}, {"0x7FFFFFFF", Max},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniFile::parseInt(QString::fromUtf8(c.text)), c.expected) << c.text;
    for (const char* text :
         {"2147483648", "-2147483649", "0x80000000", "99999999999999999999999", "", "yes", "12abc", "1 2",
          "0x", "$", "-", "--1", "0x-1", "$+1", "0xG", "1.5", "\u0661\u0662"})
        EXPECT_EQ(IniFile::parseInt(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(IniFile, NamesIgnoreAsciiCaseAndTheFirstSectionAndKeyWin) {
    const IniFile ini = parse("top=1\n"
                              "[settings]\n"
                              "PROZ_TASKBAR=5\n"
                              "proz_taskbar=9\n"
                              "\n"
                              "[SETTINGS]\n"
                              "net_taskbar=3\n"
                              "top=2\n");
    EXPECT_EQ(ini.readInt(u"Settings", u"proz_taskbar", 10), 5);
    EXPECT_EQ(ini.readInt(u"Settings", u"net_taskbar", 0), 0);
    EXPECT_EQ(ini.readInt(u"Settings", u"top", 0), 0);
    EXPECT_FALSE(ini.value(u"Settingsx", u"proz_taskbar"));
    EXPECT_FALSE(ini.value(u"Settings", u"proz_t\u0101skbar"));
}

TEST(IniFile, ValuesAreTrimmedAndSplitAtTheFirstEqualsSign) {
    const IniFile ini = parse("  [ Settings ]  \n"
                              "  type =  Reboot  \n"
                              "fexeparam=-a=b\n"
                              ";armed=1\n"
                              "#Fkey=1\n"
                              "process=\n"
                              "submethod=sub1\rFkey=1\r\n"
                              "no equals sign\n");
    EXPECT_EQ(ini.readString(u"Settings", u"type", "Ausschalten"), "Reboot");
    EXPECT_EQ(ini.readString(u"Settings", u"fexeparam", ""), "-a=b");
    EXPECT_EQ(ini.readString(u"Settings", u"process", "default"), "");
    EXPECT_EQ(ini.readString(u"Settings", u"submethod", ""), "sub1 Fkey=1"); // as it is written back
    EXPECT_FALSE(ini.value(u"Settings", u"armed"));
    EXPECT_FALSE(ini.value(u"Settings", u"#Fkey"));
    EXPECT_FALSE(ini.value(u"Settings", u"no equals sign"));
}

TEST(IniFile, BoolsAreIntegersAndTextKeepsTheDefault) {
    const IniFile ini = parse("[Settings]\na=yes\nb=2\nc=0\nd=0x0\ne=-1\nf=\n");
    EXPECT_TRUE(ini.readBool(u"Settings", u"a", true));
    EXPECT_FALSE(ini.readBool(u"Settings", u"a", false));
    EXPECT_TRUE(ini.readBool(u"Settings", u"b", false));
    EXPECT_FALSE(ini.readBool(u"Settings", u"c", true));
    EXPECT_FALSE(ini.readBool(u"Settings", u"d", true));
    EXPECT_TRUE(ini.readBool(u"Settings", u"e", false));
    EXPECT_TRUE(ini.readBool(u"Settings", u"f", true));
    EXPECT_TRUE(ini.readBool(u"Settings", u"missing", true));
}

TEST(IniFile, WritingReplacesInPlaceOrAppendsToTheSectionAndKeepsEverythingElse) {
    IniFile ini = parse("; mine\n"
                        "[Settings]\n"
                        "  Armed = 0\n"
                        "mystery=keep\n"
                        "armed=7\n"
                        "; trailing note\n"
                        "\n"
                        "[Other]\n"
                        "armed=5\n");
    ini.writeBool(u"Settings", u"armed", true);
    ini.writeInt(u"Settings", u"time", 45);
    ini.writeValue(u"Third", u"x", "a\r\nb");
    EXPECT_EQ(ini.toBytes(), QByteArray("; mine\n"
                                        "[Settings]\n"
                                        "Armed=1\n"
                                        "mystery=keep\n"
                                        "armed=7\n"
                                        "; trailing note\n"
                                        "time=45\n"
                                        "\n"
                                        "[Other]\n"
                                        "armed=5\n"
                                        "\n"
                                        "[Third]\n"
                                        "x=a  b\n"));
    EXPECT_EQ(ini.readString(u"Third", u"x", ""), "a  b");
}

TEST(IniFile, KeepsTheLineEndOfTheFileAndDropsTheByteOrderMark) {
    const struct {
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {"[Settings]\r\na=1\r\n", "[Settings]\r\na=2\r\n"},
        {"[Settings]\na=1", "[Settings]\na=2\n"},
        {"[Settings]\nb=1\r\r\na=1\r\n", "[Settings]\nb=1\na=2\n"},
        {"\xEF\xBB\xBF[Settings]\r\na=1\r\n", "[Settings]\r\na=2\r\n"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF[Settings]\na=1\n", "[Settings]\na=2\n"},
        {"", "[Settings]\na=2\n"},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::fromBytes(c.in);
        EXPECT_EQ(ini.readInt(u"Settings", u"a", 0), c.in.isEmpty() ? 0 : 1) << c.in.toStdString();
        ini.writeInt(u"Settings", u"a", 2);
        EXPECT_EQ(ini.toBytes(), c.out) << c.in.toStdString();
    }
}
