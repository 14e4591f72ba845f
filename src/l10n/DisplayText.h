#pragma once

#include <QString>

namespace vespera {

// The tables and the program's texts break lines with CR LF, or a lone CR; Qt breaks them at LF. The
// status line goes through here every second, hence one pass instead of two replacements.
inline QString displayText(const QString& text) {
    if (!text.contains(u'\r'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r')
            out += c;
        else if (i + 1 == text.size() || text.at(i + 1) != u'\n')
            out += u'\n';
    }
    return out;
}

} // namespace vespera
