#include "update/UpdateMessageBoxes.h"

#include "l10n/DisplayText.h"
#include "update/TkmNetUpdate.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <utility>

namespace vespera {

UpdateMessageBoxes::UpdateMessageBoxes(std::function<QString(int)> slot) : slot_(std::move(slot)) {}

bool UpdateMessageBoxes::scriptedAnswer(const QString& text, bool* answer) {
    if (scripted_.isEmpty())
        return false;
    answered_ << text;
    *answer = scripted_.takeFirst();
    return true;
}

void UpdateMessageBoxes::inform(Kind kind, const QString& caption, const QString& text) {
    QApplication::beep();
    bool answer = false;
    if (scriptedAnswer(text, &answer))
        return;
    QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::Information, caption,
                    displayText(text));
    box.addButton(slot_(TkmNetUpdate::OkButton).trimmed(), QMessageBox::AcceptRole);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool UpdateMessageBoxes::ask(const QString& caption, const QString& text) {
    QApplication::beep();
    bool answer = false;
    if (scriptedAnswer(text, &answer))
        return answer;
    QMessageBox box(QMessageBox::Information, caption, displayText(text));
    QPushButton* yes = box.addButton(slot_(TkmNetUpdate::YesButton).trimmed(), QMessageBox::YesRole);
    box.addButton(slot_(TkmNetUpdate::NoButton).trimmed(), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    return box.clickedButton() == yes;
}

void UpdateMessageBoxes::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace vespera
