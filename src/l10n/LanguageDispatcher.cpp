#include "l10n/LanguageDispatcher.h"

#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"

namespace vespera {

LanguageDispatcher::LanguageDispatcher(QString owner, QStringList languageNames)
    : owner_(std::move(owner)), names_(std::move(languageNames)) {}

LanguageDispatcher::~LanguageDispatcher() {
    for (FormTranslator* translator : linked_)
        translator->dispatcher_ = nullptr;
}

bool LanguageDispatcher::selectLanguage(int language, QString* refusal) {
    if (language < 1 || language > languageCount()) {
        if (refusal)
            *refusal = languageOutOfRangeMessage(owner_, language, languageCount());
        return false;
    }
    if (language == active_)
        return true;
    active_ = language;
    for (FormTranslator* translator : std::as_const(linked_))
        translator->selectLanguage(language);
    return true;
}

void LanguageDispatcher::link(FormTranslator& translator) {
    if (translator.dispatcher_)
        translator.dispatcher_->unlink(translator);
    translator.dispatcher_ = this;
    linked_ << &translator;
    translator.selectLanguage(active_);
}

void LanguageDispatcher::unlink(FormTranslator& translator) {
    if (linked_.removeOne(&translator))
        translator.dispatcher_ = nullptr;
}

} // namespace vespera
