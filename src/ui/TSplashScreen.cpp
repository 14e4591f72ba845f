#include "ui/TSplashScreen.h"

#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/Languages.h"
#include "l10n/StandardMessageBox.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"

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
