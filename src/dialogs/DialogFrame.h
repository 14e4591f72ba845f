#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QWidget;

namespace vespera {

// The frame the small dialogs share: a tool window with the caption "Vespera", the main window's font,
// a fixed client area of the given size and the background picture "Image1" filling it.
void setupDialogFrame(QDialog& dialog, QSize clientSize);

// Moves a dialog to the middle of the screen it is on.
void centreOnScreen(QDialog& dialog);

// A child widget with its component name, by which the translator and the tests find it, at a place
// given in pixels at 96 dpi.
template <typename W> W* placeDialogChild(QWidget* parent, const char* name, const QRect& place) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

} // namespace vespera
