#include "dialogs/CountdownNumeral.h"

#include <QFontMetricsF>
#include <QtMath>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace vespera {

namespace {
constexpr qreal CellHeight = 600; // ascent plus descent of the font, in pixels
constexpr int ShadowDepth = 10;
} // namespace

CountdownNumeral::CountdownNumeral(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void CountdownNumeral::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    update();
}

// The size is chosen by the font's cell rather than its em, as the font of the layout was.
QFont CountdownNumeral::numeralFont() const {
    QFont face = font();
    face.setFamilies({font().family(), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    face.setPixelSize(static_cast<int>(CellHeight));
    const qreal cell = QFontMetricsF(face).height();
    if (cell > 0)
        face.setPixelSize(qRound(CellHeight * CellHeight / cell));
    return face;
}

int CountdownNumeral::textWidth() const {
    return qCeil(QFontMetricsF(numeralFont()).horizontalAdvance(text_)) + ShadowDepth;
}

// The light comes from the right, so the shadow falls to the left of the digits: one layer a pixel,
// deepest first.
void CountdownNumeral::paintEvent(QPaintEvent*) {
    if (text_.isEmpty())
        return;
    QPainterPath digits;
    digits.addText(0, 0, numeralFont(), text_);
    const QRectF box = digits.boundingRect();
    digits.translate(QRectF(rect()).center() - box.center() + QPointF(ShadowDepth / 2.0, 0));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int depth = ShadowDepth; depth >= 1; --depth)
        painter.fillPath(digits.translated(-depth, 0), Qt::gray);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawPath(digits);
}

void CountdownNumeral::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace vespera
