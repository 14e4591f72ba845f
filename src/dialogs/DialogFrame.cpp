#include "dialogs/DialogFrame.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QScreen>

namespace vespera {

void setupDialogFrame(QDialog& dialog, QSize clientSize) {
    dialog.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("Vespera"));
    dialog.setAttribute(Qt::WA_WindowPropagation);
    dialog.setFixedSize(clientSize);
    auto* picture = placeDialogChild<QLabel>(&dialog, "Image1", QRect(QPoint(0, 0), clientSize));
    picture->setPixmap(QIcon(QStringLiteral(":/pictures/dialog.svg")).pixmap(clientSize));
    picture->setScaledContents(true);
}

void centreOnScreen(QDialog& dialog) {
    if (const QScreen* screen = dialog.screen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

} // namespace vespera
