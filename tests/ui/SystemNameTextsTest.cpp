// On Linux no visible text names a system the user does not have, in either language.
#include "MainFormFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace vespera {
namespace {

QStringList visibleTexts(const QWidget& widget) {
    QStringList texts = {widget.windowTitle(), widget.toolTip()};
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        texts << button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        texts << label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        texts << group->title();
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    }
    return texts;
}

// The texts of every window and menu item that hold the word, each after the object that shows it.
QStringList textsNaming(const QString& word) {
    QStringList found;
    const auto check = [&](const QObject& object, const QStringList& texts) {
        for (const QString& text : texts.filter(word))
            found << object.objectName() + ": " + text;
    };
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* widget : widgets)
            check(*widget, visibleTexts(*widget));
        for (const QAction* action : window->findChildren<QAction*>())
            check(*action, {action->text(), action->toolTip()});
    }
    return found;
}

class SystemNameTextsTest : public MainFormFixture {};

TEST_F(SystemNameTextsTest, NoTextNamesWindowsInEitherLanguage) {
    openShown("fproz=1\r\n");
    for (const char* language : {"Englisch1", "Deutsch1"}) {
        const QStringList naming = textsNaming("Windows");
        EXPECT_TRUE(naming.isEmpty()) << naming.join("\n").toStdString();
        child<QAction>(language)->trigger();
    }
}

} // namespace
} // namespace vespera
