#pragma once

#include <QString>
#include <QWidget>

namespace vespera {

// A child widget of the window's layout under its component name, at its place and, when given, size
// (96 dpi; Qt scales by the screen's dpi).
template <typename W> W* place(QWidget* parent, const char* name, int x, int y, int w = -1, int h = -1) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if (w < 0)
        widget->move(x, y);
    else
        widget->setGeometry(x, y, w, h);
    return widget;
}

} // namespace vespera
