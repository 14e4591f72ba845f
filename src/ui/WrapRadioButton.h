#pragma once

#include <QRadioButton>

namespace vespera {

// A radio button whose caption wraps within the button's width; the whole button takes clicks.
class WrapRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect textRect() const;
};

} // namespace vespera
