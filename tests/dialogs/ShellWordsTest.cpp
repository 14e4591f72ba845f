#include <gtest/gtest.h>

#include "dialogs/ShellWords.h"

using namespace vespera;

TEST(ShellWordsTest, SplitsAsAShellWouldWithoutExpanding) {
    const struct {
        const char* text;
        QStringList words;
    } cases[] = {
        {"", {}},
        {" \t ", {}},
        {"-a  --b\tc\n", {"-a", "--b", "c"}},
        {"\"my file.txt\" 'two  blanks'", {"my file.txt", "two  blanks"}},
        {R"(my\ file \$HOME $HOME)", {"my file", "$HOME", "$HOME"}},
        {R"("say \"hi\" \n" 'it\'s')", {R"(say "hi" \n)", R"(it\s)"}},
        {R"(a"b c"'d' "" '')", {"ab cd", "", ""}},
        {"\"open to the end", {"open to the end"}},
        {"trailing\\", {"trailing"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitShellWords(QString::fromUtf8(c.text)), c.words) << c.text;
}
