#include "dialogs/DialogFrame.h"

#include "ui/PictureLabel.h"

#include <QDialog>
#include <QScreen>

namespace vespera {

void setupDialogFrame(QDialog& dialog, QSize clientSize) {
    dialog.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("Vespera"));
    dialog.setAttribute(Qt::WA_WindowPropagation);
    dialog.setFixedSize(clientSize);
    placeDialogChild<PictureLabel>(&dialog, "Image1", QRect(QPoint(0, 0), clientSize))
        ->setPicture(QStringLiteral(":/pictures/dialog.svg"));
}

void centreOnScreen(QDialog& dialog) {
    if (const QScreen* screen = dialog.screen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

} // namespace vespera
