// Turns a translation table written as UTF-8 text into the byte form the program reads.
//
// Source form, one item a line:
//   # a comment              (ignored, as are empty lines)
//   stCaptions               a section-name line; sections in the table's order
//   key<TAB>German<TAB>...   a row: the key and one value per language, every row alike
// Inside a value "\n" is a line break and "\\" a backslash; an empty value means no text.
//
// An override table in the same form replaces whole rows of the source, found by section and key: the
// wordings of one platform, kept apart so that the source stays the same for every platform. A row of
// the override that the source lacks is an error.
//
// Usage: vespera_tablegen SOURCE.tsv [OVERRIDE.tsv] OUTPUT.tbl

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

QStringList sourceLines(const QByteArray& source) {
    QStringList lines = QString::fromUtf8(source).split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

bool isRow(const QString& line) {
    return !line.startsWith(u'#') && line.contains(u'\t');
}

bool isSection(const QString& line) {
    return !line.isEmpty() && !line.startsWith(u'#') && !line.contains(u'\t');
}

// The rows of an override table by section and key ("stCaptions\tlblTask").
QHash<QString, QString> overrideRows(const QByteArray& source) {
    QHash<QString, QString> rows;
    QString section;
    for (const QString& line : sourceLines(source)) {
        if (isSection(line))
            section = line;
        else if (isRow(line))
            rows.insert(section + u'\t' + line.section(u'\t', 0, 0), line);
    }
    return rows;
}

QByteArray convert(const QByteArray& source, QHash<QString, QString> overrides) {
    TableWriter writer;
    const QStringList lines = sourceLines(source);
    QString section;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString text = lines.at(i);
        if (isSection(text))
            section = text;
        else if (const QString key = section + u'\t' + text.section(u'\t', 0, 0);
                 isRow(text) && overrides.contains(key))
            text = overrides.take(key);
        writer.add(text, static_cast<int>(i + 1));
    }
    if (!overrides.isEmpty())
        fail(0, QStringLiteral("the override has rows the table lacks: %1")
                    .arg(QStringList(overrides.keys()).join(u", ")));
    return writer.bytes();
}

QByteArray readFile(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(std::string(path) + ": cannot read");
    return file.readAll();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE.tsv [OVERRIDE.tsv] OUTPUT.tbl\n", argv[0]);
        return 2;
    }
    const char* outputPath = argv[argc - 1];
    try {
        const QHash<QString, QString> overrides =
            argc == 4 ? overrideRows(readFile(argv[2])) : QHash<QString, QString>();
        const QByteArray table = convert(readFile(argv[1]), overrides);
        QFile output(QString::fromLocal8Bit(outputPath));
        if (!output.open(QIODevice::WriteOnly) || output.write(table) != table.size()) {
            std::fprintf(stderr, "%s: cannot write\n", outputPath);
            return 1;
        }
    } catch (const SourceError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
