#pragma once

#include "l10n/TableSection.h"

#include <QString>
#include <QStringList>

namespace vespera {

// One text that translating a window gives to one of its parts.
struct TranslationAssignment {
    TableSection section = TableSection::Captions;
    // The component's name; empty for the window itself.
    QString component;
    // Property names after the component, outermost first ("Lines" of "Memo1.Lines"); empty when the
    // section's own property is meant (the caption, the hint, the font face).
    QStringList path;
    // The active language's text, line breaks as CR LF.
    QString value;
    // "stMultiLines": the items of the value's comma form.
    QStringList items;
};

} // namespace vespera
