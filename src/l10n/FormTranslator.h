#pragma once

#include "l10n/TextSource.h"
#include "l10n/TranslationAssignment.h"
#include "l10n/TranslationTable.h"
#include "l10n/TranslationTarget.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vespera {

class LanguageDispatcher;

// One window's translator: its table, its active language and the components it never touches.
// It looks up the window's keyed texts and applies the active language to the window through its
// target.
class FormTranslator : public TextSource {
public:
    // formClassName: the window's class name; a row keyed by it is meant for the window itself.
    // The translator starts in language 1, the language the window is laid out in.
    FormTranslator(TranslationTable table, QString formClassName, QStringList languageNames,
                   QStringList doNotTranslate = {}, std::unique_ptr<TranslationTarget> target = {});
    ~FormTranslator() override;
    FormTranslator(const FormTranslator&) = delete;
    FormTranslator& operator=(const FormTranslator&) = delete;

    const QString& formClassName() const { return formClassName_; }
    int activeLanguage() const { return active_; }
    int languageCount() const { return static_cast<int>(names_.size()); }
    const TranslationTable& table() const { return table_; }
    LanguageDispatcher* dispatcher() const { return dispatcher_; }

    // Makes a language active and translates the window; the active language again does nothing.
    // A number outside 1..count is refused: the language stays, false is returned and refusal (when
    // given) receives the message.
    bool selectLanguage(int language, QString* refusal = nullptr);
    // Selects the language by its name; a name not among the names is refused the same way.
    bool selectLanguageByName(const QString& name, QString* refusal = nullptr);

    // The "stStrings" text of a key in the active language, German when that is empty, empty for an
    // unknown key. Line breaks are CR LF.
    QString lookupText(const QString& key) const override;

    // The active language's text of a standard message-box element ("Yes", "Warning", ...); empty
    // when the table has none, so that the toolkit's own text applies.
    QString dialogText(const QString& element) const;

    // Applies the active language to the window.
    void translateForm();

    // What translateForm hands to the target: every row of the window's sections with a text in the
    // active language, less the rows of components that are never translated.
    QList<TranslationAssignment> assignments() const;

private:
    friend class LanguageDispatcher;

    std::optional<TranslationAssignment> assignmentFor(const TranslationRow& row) const;

    TranslationTable table_;
    QString formClassName_;
    QStringList names_;
    QStringList doNotTranslate_;
    std::unique_ptr<TranslationTarget> target_;
    int active_ = 1;
    LanguageDispatcher* dispatcher_ = nullptr;
};

} // namespace vespera
