#pragma once

#include <QLabel>

namespace vespera {

// A text on a picture label it lies on. It draws the picture's part behind its text itself, so a new
// text repaints this label alone, not the window, the panel and the picture under it (the status line
// changes every second).
class BannerTextLabel : public QLabel {
public:
    BannerTextLabel(const QLabel& banner, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QLabel& banner_;
};

} // namespace vespera
