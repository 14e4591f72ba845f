#pragma once

#include "l10n/TableSection.h"

#include <QString>
#include <QStringList>

namespace vespera {

// One row of a translation table: its key and one value per language, in language order.
// A line break inside a value reads as CR LF; an empty value means the table has no text for
// that language.
struct TranslationRow {
    TableSection section = TableSection::Captions;
    QString key;
    QStringList values;

    // The value of a language (1-based); empty when the row has none for it.
    QString value(int language) const {
        return language >= 1 && language <= values.size() ? values.at(language - 1) : QString();
    }
};

} // namespace vespera
