#include "dialogs/ShellWords.h"

namespace vespera {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool escapableInDoubleQuotes(QChar c) {
    return c == u'"' || c == u'\\' || c == u'$' || c == u'`';
}

// Reads one word from position i on; i ends behind it.
QString takeWord(QStringView text, qsizetype& i) {
    QString word;
    while (i < text.size() && !isBlank(text[i])) {
        const QChar c = text[i++];
        if (c == u'\\') {
            if (i < text.size())
                word += text[i++];
        } else if (c == u'\'') {
            while (i < text.size() && text[i] != u'\'')
                word += text[i++];
            ++i;
        } else if (c == u'"') {
            while (i < text.size() && text[i] != u'"') {
                if (text[i] == u'\\' && i + 1 < text.size() && escapableInDoubleQuotes(text[i + 1]))
                    ++i;
                word += text[i++];
            }
            ++i;
        } else {
            word += c;
        }
    }
    return word;
}

} // namespace

QStringList splitShellWords(QStringView text) {
    QStringList words;
    qsizetype i = 0;
    while (true) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i >= text.size())
            return words;
        words << takeWord(text, i);
    }
}

} // namespace vespera
