#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace vespera {

// The sections of a translation table, in the order in which a table lists them.
enum class TableSection {
    Captions,
    Hints,
    DisplayLabels,
    Fonts,
    MultiLines,
    DlgsCaptions,
    Strings,
    OtherStrings,
    Locales,
    Collections,
    CharSets,
};

inline constexpr int TableSectionCount = 11;

// The name of a section as its section-name line holds it ("stCaptions", "stHints", ...).
QString tableSectionName(TableSection section);

// The section a section-name line names; nothing for an unknown name.
std::optional<TableSection> tableSectionFromName(QStringView name);

} // namespace vespera
