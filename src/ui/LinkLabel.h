#pragma once

#include <QLabel>

namespace vespera {

// A quick link: bold, underlined, in the link colour, with the hand cursor; a click emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vespera
