#pragma once

#include <QHash>
#include <QImage>
#include <QProgressBar>

namespace vespera {

// A progress bar that keeps the pictures of the values it has shown, with the part of its parent behind
// it: a value shown before is drawn again from its picture, without the style's gradients and rounded
// frames and without repainting the parent under it. Pictures are drawn outside paint events only (a
// widget drawn into an image during a paint event spoils that paint). Where a device pixel is not a
// pixel, the bar paints as a plain one over its parent.
class CachedGauge : public QProgressBar {
public:
    explicit CachedGauge(QWidget* parent);

    // Shows the value in the window's next paint, together with the other changes of the moment;
    // setValue paints at once, with a flush to the display of its own.
    void showValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool drawsPictures() const;
    QString pictureKey() const;
    void takeBackground();
    void keepPicture();

    static constexpr int MaxPictures = 12; // about 200 kB; a quiet machine shows a few values only
    QHash<QString, QImage> pictures_;
    QImage background_;
    bool drawingPicture_ = false;
};

} // namespace vespera
