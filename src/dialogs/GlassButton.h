#pragma once

#include <QAbstractButton>

namespace vespera {

// A red rounded button with a glassy sheen, white text and a hand cursor.
class GlassButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit GlassButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vespera
