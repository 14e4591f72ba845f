#include <gtest/gtest.h>

#include "l10n/CommaText.h"
#include "l10n/DisplayText.h"

using namespace vespera;

TEST(CommaTextTest, SplitsTheCommaForm) {
    struct Case {
        const char16_t* text;
        QStringList items;
    };
    const Case cases[] = {
        {u"", {}},
        {u"eins", {"eins"}},
        {u"eins,zwei,drei", {"eins", "zwei", "drei"}},
        {u"\"zwei drei\",vier", {"zwei drei", "vier"}},
        {u"\"a,b\",c", {"a,b", "c"}},
        {u"\"er sagte \"\"ja\"\"\",x", {"er sagte \"ja\"", "x"}},
        {u"\"\"\"\"", {"\""}},
        {u"a,,b", {"a", "", "b"}},
        {u",a", {"", "a"}},
        {u"a,", {"a", ""}},
        {u"\"\",b", {"", "b"}},
        {u"  a ,  b  ", {"a", "b"}},
        {u"a b", {"a", "b"}},
        {u"\"offen", {"offen"}},
        {u"\"ab\"cd,e", {"ab", "cd", "e"}},
        {u"1.,2.,\"3. Tag\"", {"1.", "2.", "3. Tag"}},
        {u"\"Zeile 1\r\nZeile 2\",x", {"Zeile 1\r\nZeile 2", "x"}},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(splitCommaText(text), c.items);
    }
}

TEST(DisplayTextTest, BreaksLinesAtLineFeedOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"a\r\nb\r\n", "a\nb\n"}, {"a\rb\r", "a\nb\n"}, {"a\r\r\nb", "a\n\nb"},
        {"a\n\rb", "a\n\nb"},     {"ab", "ab"},         {"", ""},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(displayText(QString::fromLatin1(text)), QString::fromLatin1(shown)) << text;
}
