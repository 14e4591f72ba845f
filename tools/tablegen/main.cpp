// Turns a translation table written as UTF-8 text into the byte form the program reads.
//
// Source form, one item a line:
//   # a comment              (ignored, as are empty lines)
//   stCaptions               a section-name line; sections in the table's order
//   key<TAB>German<TAB>...   a row: the key and one value per language, every row alike
// Inside a value "\n" is a line break and "\\" a backslash; an empty value means no text.
//
// Usage: vespera_tablegen SOURCE.tsv OUTPUT.tbl

#include "settings/Cp1252.h"
#include "l10n/TableSection.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <stdexcept>

using namespace vespera;

namespace {

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(int line, const QString& message) {
    throw SourceError(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString());
}

// Windows-1252 bytes of a text; a character the code page lacks, or a control character, is an error.
QByteArray encode(const QString& text, int line) {
    static const QHash<QChar, char> bytes = [] {
        QHash<QChar, char> map;
        for (int b = 0x20; b < 0x100; ++b)
            map.insert(decodeCp1252(QByteArray(1, static_cast<char>(b))).at(0), static_cast<char>(b));
        return map;
    }();
    QByteArray out;
    for (const QChar c : text) {
        const auto it = bytes.constFind(c);
        if (it == bytes.cend())
            fail(line, QStringLiteral("character U+%1 has no Windows-1252 byte")
                           .arg(static_cast<uint>(c.unicode()), 4, 16, QChar(u'0')));
        out += *it;
    }
    return out;
}

// A value's bytes: "\n" becomes the stored line break 0x19 0x1A, "\\" a backslash.
QByteArray encodeValue(const QString& value, int line) {
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != u'\\') {
            out += encode(value.at(i), line);
            continue;
        }
        const QChar next = i + 1 < value.size() ? value.at(i + 1) : QChar();
        if (next == u'n')
            out += "\x19\x1A";
        else if (next == u'\\')
            out += '\\';
        else
            fail(line, QStringLiteral("unknown escape in \"%1\"").arg(value));
        ++i;
    }
    return out;
}

class TableWriter {
public:
    void add(const QString& text, int line) {
        if (text.isEmpty() || text.startsWith(u'#'))
            return;
        if (text.contains(u'\t'))
            addRow(text.split(u'\t'), line);
        else
            addSection(text, line);
    }

    QByteArray bytes() const { return out_; }

private:
    void addSection(const QString& name, int line) {
        const auto section = tableSectionFromName(name);
        if (!section)
            fail(line, QStringLiteral("unknown section \"%1\"").arg(name));
        if (section_ && *section <= *section_)
            fail(line, QStringLiteral("section \"%1\" out of order").arg(name));
        section_ = section;
        out_ += encode(name, line) + "\r\n";
    }

    void addRow(const QStringList& fields, int line) {
        if (!section_)
            fail(line, QStringLiteral("row before the first section"));
        if (fields.first().isEmpty())
            fail(line, QStringLiteral("row without a key"));
        const auto values = fields.size() - 1;
        if (languages_ && *languages_ != values)
            fail(line,
                 QStringLiteral("%1 values where the table has %2 languages").arg(values).arg(*languages_));
        languages_ = values;
        out_ += encode(fields.first(), line) + '\x01';
        for (qsizetype i = 1; i < fields.size(); ++i)
            out_ += encodeValue(fields.at(i), line) + '\x01';
        out_ += "\r\n";
    }

    std::optional<TableSection> section_;
    std::optional<qsizetype> languages_;
    QByteArray out_;
};

QByteArray convert(const QByteArray& source) {
    TableWriter writer;
    const QStringList lines = QString::fromUtf8(source).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString text = lines.at(i);
        if (text.endsWith(u'\r'))
            text.chop(1);
        writer.add(text, static_cast<int>(i + 1));
    }
    return writer.bytes();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.tsv OUTPUT.tbl\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    try {
        const QByteArray table = convert(source.readAll());
        QFile output(QString::fromLocal8Bit(argv[2]));
        if (!output.open(QIODevice::WriteOnly) || output.write(table) != table.size()) {
            std::fprintf(stderr, "%s: cannot write\n", argv[2]);
            return 1;
        }
    } catch (const SourceError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
