#include "l10n/WidgetTranslationTarget.h"

#include "l10n/DisplayText.h"
#include "l10n/FormTranslator.h"
#include "l10n/HeldGroupTitle.h"
#include "l10n/TranslationTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextEdit>

namespace vespera {

namespace {

template <typename Get, typename Set> void assignIfDifferent(const QString& value, Get get, Set set) {
    if (get() != value)
        set(value);
}

void setCaption(QObject& object, const QString& value) {
    if (auto* action = qobject_cast<QAction*>(&object))
        assignIfDifferent(
            value, [&] { return action->text(); }, [&](const QString& v) { action->setText(v); });
    else if (auto* menu = qobject_cast<QMenu*>(&object))
        assignIfDifferent(
            value, [&] { return menu->title(); }, [&](const QString& v) { menu->setTitle(v); });
    else if (auto* group = qobject_cast<QGroupBox*>(&object))
        assignIfDifferent(
            value, [&] { return groupTitle(*group); }, [&](const QString& v) { setGroupTitle(*group, v); });
    else if (auto* button = qobject_cast<QAbstractButton*>(&object))
        assignIfDifferent(
            value, [&] { return button->text(); }, [&](const QString& v) { button->setText(v); });
    else if (auto* label = qobject_cast<QLabel*>(&object))
        assignIfDifferent(
            value, [&] { return label->text(); }, [&](const QString& v) { label->setText(v); });
    else if (auto* widget = qobject_cast<QWidget*>(&object); widget && widget->isWindow())
        assignIfDifferent(
            value, [&] { return widget->windowTitle(); },
            [&](const QString& v) { widget->setWindowTitle(v); });
}

void setHint(QObject& object, const QString& value) {
    if (auto* action = qobject_cast<QAction*>(&object))
        assignIfDifferent(
            value, [&] { return action->toolTip(); }, [&](const QString& v) { action->setToolTip(v); });
    else if (auto* widget = qobject_cast<QWidget*>(&object))
        assignIfDifferent(
            value, [&] { return widget->toolTip(); }, [&](const QString& v) { widget->setToolTip(v); });
}

// The table's family comes first; where the system lacks it, the widget's own families follow, so the
// text takes the window's stand-in face rather than whatever the system puts in its place.
void setFontFamily(QObject& object, const QString& family) {
    auto* widget = qobject_cast<QWidget*>(&object);
    if (!widget || widget->font().family() == family)
        return;
    QFont font = widget->font();
    QStringList families = font.families();
    families.removeAll(family);
    families.prepend(family);
    font.setFamilies(families);
    widget->setFont(font);
}

QStringList comboItems(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

QStringList listItems(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

void replaceItems(QComboBox& combo, const QStringList& items) {
    if (comboItems(combo) == items)
        return;
    const QSignalBlocker quiet(&combo);
    const int current = combo.currentIndex();
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(current < combo.count() ? current : -1);
}

void replaceItems(QListWidget& list, const QStringList& items) {
    if (listItems(list) == items)
        return;
    const QSignalBlocker quiet(&list);
    const int current = list.currentRow();
    list.clear();
    list.addItems(items);
    list.setCurrentRow(current < list.count() ? current : -1);
}

template <typename Editor> void replaceLines(Editor& editor, const QStringList& items) {
    const QString text = items.join(u'\n');
    if (editor.toPlainText() == text)
        return;
    const QSignalBlocker quiet(&editor);
    editor.setPlainText(text);
}

// A radio group: its radio buttons, in the order they were made, take the items in turn.
bool replaceButtonTexts(QObject& group, const QStringList& items) {
    const auto buttons = group.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < buttons.size() && i < items.size(); ++i)
        assignIfDifferent(
            items.at(i), [&] { return buttons.at(i)->text(); },
            [&](const QString& v) { buttons.at(i)->setText(v); });
    return !buttons.isEmpty();
}

void setList(QObject& object, const QStringList& items) {
    if (auto* combo = qobject_cast<QComboBox*>(&object))
        replaceItems(*combo, items);
    else if (auto* list = qobject_cast<QListWidget*>(&object))
        replaceItems(*list, items);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(&object))
        replaceLines(*plain, items);
    else if (auto* rich = qobject_cast<QTextEdit*>(&object))
        replaceLines(*rich, items);
    else
        replaceButtonTexts(object, items);
}

// A Qt property by the table's name for it; the tables spell property names with a capital.
QMetaProperty findProperty(const QObject& object, const QString& name) {
    const QMetaObject* meta = object.metaObject();
    int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0 && !name.isEmpty()) {
        const QString lower = name.at(0).toLower() + name.mid(1);
        index = meta->indexOfProperty(lower.toLatin1().constData());
    }
    return index < 0 ? QMetaProperty() : meta->property(index);
}

// The object a nested property name leads to, through properties that hold objects.
QObject* followPath(QObject* object, const QStringList& names) {
    for (const QString& name : names) {
        const QMetaProperty property = findProperty(*object, name);
        if (!property.isValid() || !(property.metaType().flags() & QMetaType::PointerToQObject))
            return nullptr;
        object = property.read(object).value<QObject*>();
        if (!object)
            return nullptr;
    }
    return object;
}

void setStringProperty(QObject& object, const QStringList& path, const QString& value) {
    QObject* owner = followPath(&object, path.first(path.size() - 1));
    if (!owner)
        return;
    const QMetaProperty property = findProperty(*owner, path.last());
    if (!property.isValid() || !property.isWritable() ||
        property.metaType() != QMetaType::fromType<QString>())
        return;
    if (property.read(owner).toString() != value)
        property.write(owner, value);
}

} // namespace

WidgetTranslationTarget::WidgetTranslationTarget(QWidget& window) : window_(&window) {}

QObject* WidgetTranslationTarget::resolve(const QString& component) const {
    if (!window_)
        return nullptr;
    if (component.isEmpty() || component == window_->objectName())
        return window_;
    return window_->findChild<QObject*>(component);
}

void WidgetTranslationTarget::apply(const TranslationAssignment& assignment) {
    QObject* object = resolve(assignment.component);
    if (!object)
        return;
    const QString value = displayText(assignment.value);
    if (assignment.section == TableSection::MultiLines) {
        if (QObject* list = followPath(object, assignment.path.mid(0, assignment.path.size() - 1)))
            setList(*list, assignment.items);
        return;
    }
    if (!assignment.path.isEmpty()) {
        setStringProperty(*object, assignment.path, value);
        return;
    }
    switch (assignment.section) {
    case TableSection::Captions:
        setCaption(*object, value);
        break;
    case TableSection::Hints:
        setHint(*object, value);
        break;
    case TableSection::Fonts:
        setFontFamily(*object, value);
        break;
    default:
        break;
    }
}

QString formClassName(const QObject& window) {
    const QString name = QString::fromLatin1(window.metaObject()->className());
    return name.mid(name.lastIndexOf(u':') + 1);
}

std::unique_ptr<FormTranslator> createFormTranslator(QWidget& window, TranslationTable table,
                                                     QStringList doNotTranslate, QStringList languageNames) {
    return std::make_unique<FormTranslator>(std::move(table), formClassName(window), std::move(languageNames),
                                            std::move(doNotTranslate),
                                            std::make_unique<WidgetTranslationTarget>(window));
}

} // namespace vespera
