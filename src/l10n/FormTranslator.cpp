#include "l10n/FormTranslator.h"

#include "l10n/CommaText.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/Languages.h"
#include "l10n/TranslationTarget.h"

namespace vespera {

namespace {

// The sections whose rows set a part of the window. Keyed strings are looked up by code, the
// message-box texts are read when a box is shown, and character sets mean nothing to this toolkit;
// display labels, locales and collections have no counterpart here.
bool setsWindowPart(TableSection section) {
    switch (section) {
    case TableSection::Captions:
    case TableSection::Hints:
    case TableSection::Fonts:
    case TableSection::MultiLines:
    case TableSection::OtherStrings:
        return true;
    default:
        return false;
    }
}

} // namespace

FormTranslator::FormTranslator(TranslationTable table, QString formClassName, QStringList languageNames,
                               QStringList doNotTranslate, std::unique_ptr<TranslationTarget> target)
    : table_(std::move(table)), formClassName_(std::move(formClassName)), names_(std::move(languageNames)),
      doNotTranslate_(std::move(doNotTranslate)), target_(std::move(target)) {}

FormTranslator::~FormTranslator() {
    if (dispatcher_)
        dispatcher_->unlink(*this);
}

bool FormTranslator::selectLanguage(int language, QString* refusal) {
    if (language < 1 || language > languageCount()) {
        if (refusal)
            *refusal = languageOutOfRangeMessage(formClassName_, language, languageCount());
        return false;
    }
    if (language != active_) {
        active_ = language;
        translateForm();
    }
    return true;
}

bool FormTranslator::selectLanguageByName(const QString& name, QString* refusal) {
    const auto index = names_.indexOf(name);
    if (index < 0) {
        if (refusal)
            *refusal = unknownLanguageNameMessage();
        return false;
    }
    return selectLanguage(static_cast<int>(index) + 1, refusal);
}

QString FormTranslator::lookupText(const QString& key) const {
    const TranslationRow* row = table_.find(TableSection::Strings, key);
    if (!row)
        return {};
    const QString text = row->value(active_);
    return text.isEmpty() ? row->value(German) : text;
}

QString FormTranslator::dialogText(const QString& element) const {
    const TranslationRow* row = table_.find(TableSection::DlgsCaptions, element);
    return row ? row->value(active_) : QString();
}

void FormTranslator::translateForm() {
    if (!target_)
        return;
    for (const TranslationAssignment& assignment : assignments())
        target_->apply(assignment);
}

QList<TranslationAssignment> FormTranslator::assignments() const {
    QList<TranslationAssignment> out;
    for (const TranslationRow& row : table_.rows()) {
        if (auto assignment = assignmentFor(row))
            out << std::move(*assignment);
    }
    return out;
}

std::optional<TranslationAssignment> FormTranslator::assignmentFor(const TranslationRow& row) const {
    if (!setsWindowPart(row.section))
        return std::nullopt;
    const QString value = row.value(active_);
    QStringList path = row.key.split(u'.');
    const QString component = path.takeFirst();
    if (value.isEmpty() || component.isEmpty() || doNotTranslate_.contains(component))
        return std::nullopt;
    TranslationAssignment assignment;
    assignment.section = row.section;
    assignment.component = component == formClassName_ ? QString() : component;
    assignment.path = path;
    assignment.value = value;
    if (row.section == TableSection::MultiLines)
        assignment.items = splitCommaText(value);
    return assignment;
}

} // namespace vespera
