#pragma once

#include <QStringView>

namespace vespera {

// True when the text is non-empty and every character is one of the ASCII digits 0 to 9: a sign, a
// blank, a decimal point or a thousands separator makes it false. Number fields use it.
bool IsAllDigits(QStringView text);

} // namespace vespera
