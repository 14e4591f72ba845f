#pragma once

#include <QFont>
#include <QStringList>

namespace vespera {

// The families of the program's windows: Liberation Sans stands in for Segoe UI where it is missing, as
// its metrics keep the captions within the layouts' widths.
QStringList formFontFamilies();

// The windows' font at `pixelSize`.
QFont formFont(int pixelSize);

} // namespace vespera
