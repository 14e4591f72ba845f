#include "l10n/CommaText.h"

namespace vespera {

namespace {

constexpr QChar Comma = u',';
constexpr QChar Quote = u'"';

bool isBlank(QChar c) {
    return c.unicode() <= u' ';
}

class CommaReader {
public:
    explicit CommaReader(QStringView text) : text_(text) {}

    QStringList items() {
        QStringList out;
        skipBlanks();
        while (!atEnd()) {
            out << (peek() == Quote ? quotedItem() : plainItem());
            skipBlanks();
            if (!atEnd() && peek() == Comma) {
                ++pos_;
                if (atEnd())
                    out << QString();
                skipBlanks();
            }
        }
        return out;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return text_[pos_]; }

    void skipBlanks() {
        while (!atEnd() && isBlank(peek()))
            ++pos_;
    }

    QString plainItem() {
        const qsizetype start = pos_;
        while (!atEnd() && !isBlank(peek()) && peek() != Comma)
            ++pos_;
        return text_.sliced(start, pos_ - start).toString();
    }

    // From an opening quote to the closing one; a doubled quote stands for one quote.
    QString quotedItem() {
        QString item;
        ++pos_;
        while (!atEnd()) {
            const QChar c = peek();
            ++pos_;
            if (c != Quote) {
                item += c;
            } else if (!atEnd() && peek() == Quote) {
                item += Quote;
                ++pos_;
            } else {
                break;
            }
        }
        return item;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

QStringList splitCommaText(QStringView text) {
    return CommaReader(text).items();
}

} // namespace vespera
