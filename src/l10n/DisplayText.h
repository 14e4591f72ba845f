#pragma once

#include <QString>

namespace vespera {

// The tables and the program's texts break lines with CR LF, or a lone CR; Qt breaks them at LF. The
// status line goes through here every second, hence one pass in place instead of two replacements.
inline QString displayText(QString text) {
    qsizetype from = text.indexOf(u'\r');
    if (from < 0)
        return text;
    const qsizetype size = text.size();
    QChar* chars = text.data();
    qsizetype to = from;
    for (; from < size; ++from) {
        if (chars[from] != u'\r')
            chars[to++] = chars[from];
        else if (from + 1 == size || chars[from + 1] != u'\n')
            chars[to++] = u'\n';
    }
    text.truncate(to);
    return text;
}

} // namespace vespera
