#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vespera {

class FormTranslator;

// Holds the program's active language and switches every linked window's translator at once.
class LanguageDispatcher {
public:
    // owner: the class name of the window that holds the dispatcher, named in refusals.
    LanguageDispatcher(QString owner, QStringList languageNames);
    ~LanguageDispatcher();
    LanguageDispatcher(const LanguageDispatcher&) = delete;
    LanguageDispatcher& operator=(const LanguageDispatcher&) = delete;

    int activeLanguage() const { return active_; }
    int languageCount() const { return static_cast<int>(names_.size()); }
    const QStringList& languageNames() const { return names_; }

    // Makes a language active and selects it in every linked translator, in link order. The same
    // language again does nothing. A number outside 1..count is refused: the language stays, false is
    // returned and refusal (when given) receives the message.
    bool selectLanguage(int language, QString* refusal = nullptr);

    // Adds a translator at the end of the list and selects the active language in it, so a window
    // linked after the choice opens translated. A translator leaves the list when it is destroyed.
    void link(FormTranslator& translator);
    void unlink(FormTranslator& translator);

    const QList<FormTranslator*>& linked() const { return linked_; }

private:
    QString owner_;
    QStringList names_;
    int active_ = 1;
    QList<FormTranslator*> linked_;
};

} // namespace vespera
