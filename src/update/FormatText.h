#pragma once

#include <QString>
#include <QVariantList>

namespace vespera {

// Fills a message pattern in the style of the message tables: "%s" a text, "%d" a whole number,
// "%.2d" one of at least two digits, "%.2n" a number with two decimals and thousands separators,
// "%%" a percent sign. Arguments are used in order; a missing one counts as empty or zero, and a
// directive the pattern cannot hold is left as it stands.
QString formatText(const QString& pattern, const QVariantList& arguments);

} // namespace vespera
