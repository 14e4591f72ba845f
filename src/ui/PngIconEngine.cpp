#include "ui/PngIconEngine.h"

#include "ui/PngIcon.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace vespera {

PngIconEngine::PngIconEngine(const QStringList& paths) {
    for (const QString& path : paths) {
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QSize size = reader.size();
        if (size.isValid())
            pictures_.append({size, path});
    }
    std::sort(pictures_.begin(), pictures_.end(),
              [](const Picture& a, const Picture& b) { return a.size.width() < b.size.width(); });
}

const PngIconEngine::Picture* PngIconEngine::nearest(const QSize& size) const {
    const auto covering = std::find_if(pictures_.begin(), pictures_.end(), [&](const Picture& picture) {
        return picture.size.width() >= size.width() && picture.size.height() >= size.height();
    });
    if (covering != pictures_.end())
        return &*covering;
    return pictures_.isEmpty() ? nullptr : &pictures_.last();
}

QSize PngIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const Picture* picture = nearest(size);
    if (!picture)
        return {};
    return picture->size.width() > size.width() || picture->size.height() > size.height()
               ? picture->size.scaled(size, Qt::KeepAspectRatio)
               : picture->size;
}

QPixmap PngIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const Picture* picture = nearest(size);
    if (!picture)
        return {};
    const QPixmap read = readPng(picture->path);
    const QSize shown = actualSize(size, mode, state);
    return read.size() == shown ? read : read.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PngIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QList<QSize> PngIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const Picture& picture : pictures_)
        sizes.append(picture.size);
    return sizes;
}

bool PngIconEngine::isNull() {
    return pictures_.isEmpty();
}

QIconEngine* PngIconEngine::clone() const {
    auto* copy = new PngIconEngine;
    copy->pictures_ = pictures_;
    return copy;
}

QString PngIconEngine::key() const {
    return QStringLiteral("PngIconEngine");
}

} // namespace vespera
