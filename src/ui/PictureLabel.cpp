#include "ui/PictureLabel.h"

#include "ui/PngIcon.h"

#include <QIcon>

namespace vespera {

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
}

void PictureLabel::setPicture(const QString& resource) {
    resource_ = resource;
    clear();
    if (isVisible())
        draw();
}

void PictureLabel::showEvent(QShowEvent* event) {
    if (pixmap().isNull())
        draw();
    QLabel::showEvent(event);
}

// A PNG picture is read as such; an SVG one loads the SVG renderer.
void PictureLabel::draw() {
    if (resource_.isEmpty())
        return;
    const QIcon picture = resource_.endsWith(QStringLiteral(".png")) ? pngIcon(resource_) : QIcon(resource_);
    setPixmap(picture.pixmap(size()));
}

} // namespace vespera
