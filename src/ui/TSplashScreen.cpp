#include "ui/TSplashScreen.h"

#include "app/FormTranslator.h"
#include "app/LanguageDispatcher.h"
#include "app/Languages.h"
#include "app/StandardMessageBox.h"
#include "app/TranslationResources.h"
#include "app/WidgetTranslationTarget.h"

namespace vespera {

TSplashScreen::TSplashScreen(ProductIdentity identity, int language, QWidget* parent)
    : QWidget(parent), identity_(std::move(identity)),
      dispatcher_(std::make_unique<LanguageDispatcher>(QStringLiteral("TSplashScreen"), twoLanguageNames())),
      translator_(createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TSplashScreen")))),
      messageBoxes_(std::make_unique<StandardMessageBox>(*translator_)) {
    setObjectName(QStringLiteral("TSplashScreen"));
    setWindowTitle(identity_.title);
    setFixedSize(400, 316);
    dispatcher_->link(*translator_);
    dispatcher_->selectLanguage(language);
}

TSplashScreen::~TSplashScreen() = default;

} // namespace vespera
