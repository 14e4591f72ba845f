#pragma once

#include <QLabel>
#include <QString>

namespace vespera {

// One of the program's pictures, filling the label. It is drawn at the label's size the first time the
// label is shown, so a window that stays hidden (the main window in the notification area, a dialog
// never opened) holds no image of it.
class PictureLabel : public QLabel {
public:
    explicit PictureLabel(QWidget* parent = nullptr);

    // The picture by its resource path, such as ":/pictures/panel.png".
    void setPicture(const QString& resource);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void draw();

    QString resource_;
};

} // namespace vespera
