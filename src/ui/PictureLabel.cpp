#include "ui/PictureLabel.h"

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

void PictureLabel::draw() {
    if (!resource_.isEmpty())
        setPixmap(QIcon(resource_).pixmap(size()));
}

} // namespace vespera
