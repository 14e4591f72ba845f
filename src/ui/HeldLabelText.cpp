#include "ui/HeldLabelText.h"

#include <QLabel>

namespace vespera {

HeldLabelText::HeldLabelText(QLabel& label) : label_(label), text_(label.text()), toolTip_(label.toolTip()) {}

void HeldLabelText::setText(const QString& text) {
    text_ = text;
    if (label_.isVisible() && label_.text() != text_)
        label_.setText(text_);
}

void HeldLabelText::setToolTip(const QString& hint) {
    toolTip_ = hint;
    if (label_.isVisible() && label_.toolTip() != toolTip_)
        label_.setToolTip(toolTip_);
}

void HeldLabelText::pass() {
    if (label_.text() != text_)
        label_.setText(text_);
    if (label_.toolTip() != toolTip_)
        label_.setToolTip(toolTip_);
}

} // namespace vespera
