#include "ui/TimeField.h"

#include "ui/WidgetPlacement.h"

#include <QLineEdit>
#include <QPalette>
#include <QSpinBox>

namespace vespera {

TimeField makeTimeField(QWidget* group, const char* edit, const char* upDown, int x, int y, int maximum) {
    auto* field = place<QLineEdit>(group, edit, x, y, 33, 21);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    auto* arrows = place<QSpinBox>(group, upDown, x + 33, y, 17, 21);
    arrows->setRange(0, maximum);
    arrows->setFrame(false);
    arrows->setFocusPolicy(Qt::NoFocus);
    // Only the arrows show: the edit beside shows the number.
    QPalette hidden = arrows->palette();
    for (const auto role : {QPalette::Text, QPalette::HighlightedText, QPalette::Highlight})
        hidden.setColor(role, Qt::transparent);
    arrows->setPalette(hidden);
    QObject::connect(arrows, &QSpinBox::valueChanged, field,
                     [field](int value) { field->setText(QString::number(value)); });
    return {field, arrows};
}

} // namespace vespera
