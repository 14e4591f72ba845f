#include "sensors/ProcessNames.h"

namespace vespera {

namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

} // namespace

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString asciiLower(const QString& text) {
    QString lower = text;
    for (QChar& c : lower)
        c = QChar(foldAscii(c.unicode()));
    return lower;
}

bool sameIgnoringAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (foldAscii(a.at(i).unicode()) != foldAscii(b.at(i).unicode()))
            return false;
    return true;
}

} // namespace vespera
