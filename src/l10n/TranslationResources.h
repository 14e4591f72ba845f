#pragma once

#include "l10n/TranslationTable.h"

#include <QString>

namespace vespera {

// Where the program's resources hold a window's translation table, by the window's class name.
QString translationTablePath(const QString& formClassName);

// The translation table the program ships for a window; empty when it ships none.
TranslationTable shippedTranslationTable(const QString& formClassName);

} // namespace vespera
