#pragma once

#include "l10n/TranslationRow.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace vespera {

// A window's translation table, read from its byte form: Windows-1252 text, lines ending in CR LF,
// a section-name line before the rows of each section, and rows made of the key and one value per
// language, every field followed by the delimiter byte 0x01. Inside a value the byte pair 0x19 0x1A
// stands for a line break.
//
// A damaged table is read as far as it can be, never past its end:
// - lines may also end in a bare LF;
// - a row before the first section, and every row of a section with an unknown name ("st" and a
//   capitalised word), is skipped;
// - a value counts only when its delimiter follows it, so a truncated last value is dropped, and
//   values a row lacks are empty;
// - a row without a key, or any other line without a delimiter, is skipped on its own.
// Sections may come in any order; a section named twice goes on where it left off.
class TranslationTable {
public:
    TranslationTable() = default;

    static TranslationTable fromBytes(const QByteArray& bytes);
    // Reads a file or a resource (":/..."); one that cannot be read gives an empty table.
    static TranslationTable fromFile(const QString& path);

    // Every row in table order.
    const QList<TranslationRow>& rows() const { return rows_; }
    bool isEmpty() const { return rows_.isEmpty(); }

    // The first row of a section with exactly this key; null when there is none.
    const TranslationRow* find(TableSection section, const QString& key) const;

    // Lines that could not be read and were skipped.
    int skippedLines() const { return skippedLines_; }

private:
    // Reads one line; section is the section its rows belong to, none before the first or in an
    // unknown one.
    void readLine(QByteArrayView line, std::optional<TableSection>& section);
    void addRow(TranslationRow row);

    QList<TranslationRow> rows_;
    std::array<QHash<QString, qsizetype>, TableSectionCount> index_;
    int skippedLines_ = 0;
};

} // namespace vespera
