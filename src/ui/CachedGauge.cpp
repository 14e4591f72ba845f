#include "ui/CachedGauge.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionProgressBar>

namespace vespera {

CachedGauge::CachedGauge(QWidget* parent) : QProgressBar(parent) {}

void CachedGauge::showValue(int value) {
    if (value == this->value())
        return;
    setUpdatesEnabled(false);
    setValue(value);
    setUpdatesEnabled(true); // schedules the paint
    keepPicture();
}

bool CachedGauge::drawsPictures() const {
    return devicePixelRatioF() == 1.0 && isVisible();
}

// Everything a picture depends on besides the background and the look: the bar's state and text. A new
// palette, font or style drops the pictures (changeEvent).
QString CachedGauge::pictureKey() const {
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    return option.text + u'|' + QString::number(option.progress) + u'|' + QString::number(option.maximum) +
           u'|' + QString::number(int(option.state));
}

// The parent's pixels behind the bar, as the window's paint draws them.
void CachedGauge::takeBackground() {
    pictures_.clear();
    background_ = QImage();
    const bool pictures = drawsPictures();
    setAttribute(Qt::WA_OpaquePaintEvent, pictures);
    if (!pictures)
        return;
    background_ = QImage(size(), QImage::Format_RGB32);
    parentWidget()->render(&background_, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
}

void CachedGauge::keepPicture() {
    if (background_.isNull())
        return;
    const QString key = pictureKey();
    if (pictures_.contains(key))
        return;
    if (pictures_.size() >= MaxPictures)
        pictures_.clear();
    QImage picture = background_;
    drawingPicture_ = true;
    render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
    drawingPicture_ = false;
    pictures_.insert(key, picture);
}

void CachedGauge::paintEvent(QPaintEvent* event) {
    if (!background_.isNull() && !drawsPictures()) { // moved to a screen of another pixel ratio
        background_ = QImage();
        pictures_.clear();
        setAttribute(Qt::WA_OpaquePaintEvent, false);
        update(); // with the parent behind
    }
    if (!background_.isNull() && !drawingPicture_) {
        QPainter painter(this);
        const auto found = pictures_.constFind(pictureKey());
        painter.drawImage(QPoint(), found != pictures_.cend() ? *found : background_);
        if (found != pictures_.cend())
            return;
    }
    QProgressBar::paintEvent(event);
}

void CachedGauge::showEvent(QShowEvent* event) {
    QProgressBar::showEvent(event);
    takeBackground();
}

void CachedGauge::resizeEvent(QResizeEvent* event) {
    QProgressBar::resizeEvent(event);
    takeBackground();
}

void CachedGauge::moveEvent(QMoveEvent* event) {
    QProgressBar::moveEvent(event);
    takeBackground();
}

// A new palette, font, style or state changes the pictures; the parent's look comes with its palette.
void CachedGauge::changeEvent(QEvent* event) {
    QProgressBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::FontChange)
        takeBackground();
}

} // namespace vespera
