#include "l10n/TranslationTable.h"

#include "settings/Cp1252.h"

#include <QFile>

#include <algorithm>

namespace vespera {

namespace {

constexpr char Delimiter = '\x01';

// A value's text; the stored line break 0x19 0x1A stands for CR LF.
QString decodeValue(QByteArrayView field) {
    return decodeCp1252(field.toByteArray()).replace(QStringLiteral("\x19\x1A"), QStringLiteral("\r\n"));
}

// Key and values of a row line. Only fields closed by a delimiter count; whatever follows the last
// delimiter is a truncated field and is dropped.
std::optional<TranslationRow> readRow(QByteArrayView line) {
    const qsizetype keyEnd = line.indexOf(Delimiter);
    if (keyEnd <= 0)
        return std::nullopt;
    TranslationRow row;
    row.key = decodeCp1252(line.first(keyEnd).toByteArray());
    qsizetype start = keyEnd + 1;
    for (qsizetype end = line.indexOf(Delimiter, start); end >= 0; end = line.indexOf(Delimiter, start)) {
        row.values << decodeValue(line.sliced(start, end - start));
        start = end + 1;
    }
    return row;
}

// Section names are "st" and a capitalised word. A line without delimiters that does not look like one
// is a row that lost them.
bool looksLikeSectionName(const QString& line) {
    const auto asciiLetter = [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); };
    return line.size() > 2 && line.startsWith(u"st") && line.at(2).isUpper() &&
           std::all_of(line.cbegin(), line.cend(), asciiLetter);
}

} // namespace

TranslationTable TranslationTable::fromBytes(const QByteArray& bytes) {
    TranslationTable table;
    std::optional<TableSection> section;
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QByteArrayView line = all.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        table.readLine(line, section);
        start = end + 1;
    }
    return table;
}

TranslationTable TranslationTable::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromBytes(file.readAll());
}

void TranslationTable::readLine(QByteArrayView line, std::optional<TableSection>& section) {
    if (line.isEmpty())
        return;
    if (!line.contains(Delimiter)) {
        const QString name = decodeCp1252(line.toByteArray());
        const auto named = tableSectionFromName(name);
        if (named || looksLikeSectionName(name))
            section = named;
        if (!named)
            ++skippedLines_;
        return;
    }
    auto row = section ? readRow(line) : std::nullopt;
    if (!row) {
        ++skippedLines_;
        return;
    }
    row->section = *section;
    addRow(std::move(*row));
}

void TranslationTable::addRow(TranslationRow row) {
    auto& index = index_[static_cast<std::size_t>(row.section)];
    if (!index.contains(row.key))
        index.insert(row.key, rows_.size());
    rows_ << std::move(row);
}

const TranslationRow* TranslationTable::find(TableSection section, const QString& key) const {
    const auto& index = index_[static_cast<std::size_t>(section)];
    const auto it = index.constFind(key);
    return it == index.cend() ? nullptr : &rows_.at(*it);
}

} // namespace vespera
