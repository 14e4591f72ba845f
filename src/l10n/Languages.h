#pragma once

#include <QString>
#include <QStringList>

namespace vespera {

// Language numbers of the two-language windows. German is the language every window is laid out in.
inline constexpr int German = 1;
inline constexpr int English = 2;

// Names of the languages, in number order, of the two-language windows and of the online-update
// window.
QStringList twoLanguageNames();
QStringList updateWindowLanguageNames();

// The refusal of a language number outside 1..count, naming the window that refused it.
QString languageOutOfRangeMessage(const QString& owner, int language, int count);

// The refusal of a language name that is not among the names.
QString unknownLanguageNameMessage();

} // namespace vespera
