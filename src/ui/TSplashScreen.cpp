#include "ui/TSplashScreen.h"

namespace vespera {

TSplashScreen::TSplashScreen(ProductIdentity identity, int language, QWidget* parent)
    : QWidget(parent), identity_(std::move(identity)), language_(language) {
    setObjectName(QStringLiteral("TSplashScreen"));
    setWindowTitle(identity_.title);
    setFixedSize(400, 316);
}

} // namespace vespera
