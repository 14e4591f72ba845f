#include "ui/LinkLabel.h"

#include <QMouseEvent>

namespace vespera {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::WindowText, QColor(0x00, 0x66, 0xCC));
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint())) {
        event->accept(); // a click on the link is not a click on what lies under it
        Q_EMIT clicked();
    }
}

} // namespace vespera
