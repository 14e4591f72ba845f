#pragma once

#include <QString>

namespace vespera {

// The file-name part of a program path: what follows the last "/".
QString fileNamePart(const QString& path);

// The text with the ASCII letters A to Z made small; other characters stay as they are.
QString asciiLower(const QString& text);

// Two texts equal when their ASCII letters are compared without regard to case.
bool sameIgnoringAsciiCase(const QString& a, const QString& b);

} // namespace vespera
