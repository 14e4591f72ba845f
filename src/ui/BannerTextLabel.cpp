#include "ui/BannerTextLabel.h"

#include <QPainter>

namespace vespera {

BannerTextLabel::BannerTextLabel(const QLabel& banner, QWidget* parent) : QLabel(parent), banner_(banner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BannerTextLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawPixmap(banner_.geometry().topLeft() - geometry().topLeft(), banner_.pixmap());
    }
    QLabel::paintEvent(event);
}

} // namespace vespera
