#pragma once

#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vespera {

// An icon of one drawing compiled in as PNG pictures at several sizes, each read when a size is asked
// for and not kept: the window manager takes a window's icon once in every size and the notification
// area takes one size when it repaints, so a program that runs all day need not hold them all. Every
// mode and state shows the same picture.
class PngIconEngine : public QIconEngine {
public:
    // The pictures by their resource paths; their sizes are read from their headers.
    explicit PngIconEngine(const QStringList& paths);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    struct Picture {
        QSize size;
        QString path;
    };
    PngIconEngine() = default;
    // The smallest picture that covers `size`, or else the largest; null without pictures.
    const Picture* nearest(const QSize& size) const;

    QList<Picture> pictures_;
};

} // namespace vespera
