#include "l10n/LanguageMenu.h"

#include "l10n/LanguageDispatcher.h"
#include "l10n/Languages.h"

#include <QAction>

namespace vespera {

LanguageMenu::LanguageMenu(QAction& german, QAction& english, LanguageDispatcher& dispatcher,
                           std::function<void()> afterSwitch, QObject* parent)
    : QObject(parent), german_(&german), english_(&english), dispatcher_(dispatcher),
      afterSwitch_(std::move(afterSwitch)) {
    german.setData(German);
    english.setData(English);
    for (QAction* item : {&german, &english}) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item] { select(*item); });
    }
}

void LanguageMenu::select(const QAction& item) {
    dispatcher_.selectLanguage(item.data().toInt());
    showActiveLanguage();
    if (afterSwitch_)
        afterSwitch_();
}

void LanguageMenu::showActiveLanguage() {
    const bool english = dispatcher_.activeLanguage() == English;
    if (english_)
        english_->setChecked(english);
    if (german_)
        german_->setChecked(!english);
}

void LanguageMenu::startUp(QAction& help) {
    showActiveLanguage();
    if (dispatcher_.activeLanguage() == English)
        help.setVisible(false);
}

} // namespace vespera
