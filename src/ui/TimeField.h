#pragma once

class QLineEdit;
class QSpinBox;
class QWidget;

namespace vespera {

// A number of a time of day: a read-only edit that shows it and up-down arrows beside it that step it
// within 0..maximum.
struct TimeField {
    QLineEdit* edit = nullptr;
    QSpinBox* upDown = nullptr;
};

// The field at x, y in `group` (96 dpi), its edit and arrows under their component names.
TimeField makeTimeField(QWidget* group, const char* edit, const char* upDown, int x, int y, int maximum);

} // namespace vespera
