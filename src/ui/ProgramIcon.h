#pragma once

#include <QIcon>

namespace vespera {

// The program's icon for its windows and the notification area, from pictures drawn at the usual sizes
// when the program was built: drawing the SVG would load the SVG renderer into a program that may only
// ever show its notification-area icon.
QIcon programIcon();

} // namespace vespera
