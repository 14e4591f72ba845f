#pragma once

#include <QString>

class QLabel;

namespace vespera {

// The text and hint of a label that change every second. While the label is hidden they are held here
// and reach it once it is shown: a hidden label would still take each new text apart and lay it out.
class HeldLabelText {
public:
    explicit HeldLabelText(QLabel& label);

    void setText(const QString& text);
    void setToolTip(const QString& hint);
    void clear() { setText({}); }

    // Hands the held text and hint to the label; the window calls it as it is shown.
    void pass();

private:
    QLabel& label_;
    QString text_;
    QString toolTip_;
};

} // namespace vespera
