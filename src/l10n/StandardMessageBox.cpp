#include "l10n/StandardMessageBox.h"

#include "l10n/DisplayText.h"

#include "l10n/FormTranslator.h"

#include <QAbstractButton>
#include <QMetaObject>

#include <array>
#include <utility>

namespace vespera {

namespace {

// The table's element names of the standard buttons. "All" has no Qt counterpart.
constexpr std::array<std::pair<QMessageBox::StandardButton, const char*>, 10> ButtonElements = {{
    {QMessageBox::Yes, "Yes"},
    {QMessageBox::No, "No"},
    {QMessageBox::Ok, "OK"},
    {QMessageBox::Cancel, "Cancel"},
    {QMessageBox::Abort, "Abort"},
    {QMessageBox::Retry, "Retry"},
    {QMessageBox::Ignore, "Ignore"},
    {QMessageBox::YesToAll, "Yes To All"},
    {QMessageBox::NoToAll, "No To All"},
    {QMessageBox::Help, "Help"},
}};

const char* kindElement(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Warning:
        return "Warning";
    case QMessageBox::Critical:
        return "Error";
    case QMessageBox::Question:
        return "Confirm";
    default:
        return "Information";
    }
}

} // namespace

StandardMessageBox::StandardMessageBox(const FormTranslator& hostTexts) : texts_(hostTexts) {}

std::unique_ptr<QMessageBox> StandardMessageBox::create(QWidget* parent, QMessageBox::Icon icon,
                                                        const QString& text,
                                                        QMessageBox::StandardButtons buttons,
                                                        const QString& caption) const {
    auto box = std::make_unique<QMessageBox>(icon, caption, displayText(text), buttons, parent);
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    for (const auto& [button, element] : ButtonElements) {
        const QString label = texts_.dialogText(QString::fromLatin1(element));
        if (QAbstractButton* shownButton = box->button(button); shownButton && !label.isEmpty())
            shownButton->setText(label);
    }
    return box;
}

QMessageBox::StandardButton StandardMessageBox::show(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     const QString& caption) {
    if (nextAnswer_)
        return std::exchange(nextAnswer_, std::nullopt).value();
    const auto box = create(parent, icon, text, buttons, caption);
    QMessageBox* raw = box.get();
    QMetaObject::invokeMethod(
        raw,
        [raw] {
            raw->raise();
            raw->activateWindow();
        },
        Qt::QueuedConnection);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

QString StandardMessageBox::kindCaption(QMessageBox::Icon icon) const {
    const QString element = QString::fromLatin1(kindElement(icon));
    const QString caption = texts_.dialogText(element);
    return caption.isEmpty() ? element : caption;
}

} // namespace vespera
