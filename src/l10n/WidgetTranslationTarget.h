#pragma once

#include "l10n/Languages.h"
#include "l10n/TranslationTarget.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace vespera {

class FormTranslator;
class TranslationTable;

// Applies translations to a window's widgets, found through Qt's meta-object system: the window itself
// for its own rows, else the child (at any depth) whose objectName is the component's name.
// A caption becomes the window title, the text of a label, button, check box or menu item, or the
// title of a group box or menu; a hint the tool tip; a font row the font family; a list row replaces
// the items of a combo box or list, the lines of a text editor, or the texts of the radio buttons of a
// group. A part that already shows the text is left alone, and replacing a list emits no change
// signals, so no handler of the window runs. CR LF in a text shows as a line break.
// A group box that holds its title aside (l10n/HeldGroupTitle.h) takes its caption as the held title.
class WidgetTranslationTarget : public TranslationTarget {
public:
    explicit WidgetTranslationTarget(QWidget& window);
    void apply(const TranslationAssignment& assignment) override;

private:
    QObject* resolve(const QString& component) const;

    QPointer<QWidget> window_;
};

// The name a window's rows use for it: its class name without the namespace ("TMainForm").
QString formClassName(const QObject& window);

// A translator for a window, with the window's widgets as its target. Link it to the dispatcher once
// the widgets exist.
std::unique_ptr<FormTranslator> createFormTranslator(QWidget& window, TranslationTable table,
                                                     QStringList doNotTranslate = {},
                                                     QStringList languageNames = twoLanguageNames());

} // namespace vespera
