#pragma once

#include <QStringList>
#include <QStringView>

namespace vespera {

// Splits a parameter string into arguments as a POSIX shell splits words, without expanding anything:
// blanks, tabs and line breaks separate words; single quotes keep everything up to the next single
// quote; double quotes keep everything up to the next double quote, where a backslash escapes only
// '"', '\\', '$' and '`'; a backslash outside quotes keeps the next character. Quotes join with what
// stands beside them ("a"'b'c is one word abc), and "" or '' is an empty word. A quote left open runs
// to the end of the text.
QStringList splitShellWords(QStringView text);

} // namespace vespera
