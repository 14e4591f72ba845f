#include "dialogs/GlassButton.h"

#include "ui/FormFont.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vespera {

namespace {
constexpr qreal CornerRadius = 5;
} // namespace

GlassButton::GlassButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFont(formFont(12));
}

QSize GlassButton::sizeHint() const {
    return {100, 32};
}

// A red body, darker while pressed, under a pale sheen on its upper half.
void GlassButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(body, CornerRadius, CornerRadius);
    QLinearGradient red(body.topLeft(), body.bottomLeft());
    red.setColorAt(0, isDown() ? QColor(170, 0, 0) : QColor(230, 40, 40));
    red.setColorAt(1, isDown() ? QColor(110, 0, 0) : QColor(160, 0, 0));
    painter.fillPath(outline, red);
    QPainterPath sheen;
    sheen.addRoundedRect(body.adjusted(1, 1, -1, -body.height() / 2), CornerRadius, CornerRadius);
    painter.fillPath(sheen, QColor(255, 255, 255, 60));
    painter.setPen(QColor(90, 0, 0));
    painter.drawPath(outline);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace vespera
