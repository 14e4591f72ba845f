// The main window's information panel, its help command and its about box.
#include "ui/TMainForm.h"

#include "l10n/DisplayText.h"
#include "l10n/FormTranslator.h"
#include "l10n/StandardMessageBox.h"
#include "platform/DesktopTools.h"
#include "sensors/InfoPanelText.h"
#include "sensors/SystemFactsCache.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <exception>

namespace vespera {

namespace {
constexpr int LabelBottomMargin = 4; // the label fills its group box below the caption
} // namespace

// A summary that cannot be built leaves the panel as it was.
void TMainForm::UpdateSysInfo() {
    try {
        SystemFacts facts = systemFacts_->facts();
        facts.screen = screenFacts();
        panelRevision_ = systemFacts_->revision();
        panelScreen_ = facts.screen;
        const InfoPanelText panel = systemSummary(facts, *translator_);
        if (panel.groupHeight) {
            GroupBox3->resize(GroupBox3->width(), *panel.groupHeight);
            SysInfo1lbl->resize(SysInfo1lbl->width(),
                                *panel.groupHeight - SysInfo1lbl->y() - LabelBottomMargin);
        }
        SysInfo1lbl->setText(displayText(panel.text));
        SysInfo1lbl->setToolTip(SysInfo1lbl->text()); // the lines longer than the panel, in full
    } catch (const std::exception&) {
        // the panel is a courtesy: it keeps its last text
    }
}

// A hidden window's panel waits: showing the window builds it afresh. A shown one is built again when
// facts were read anew or the window moved to another screen; a language switch rebuilds it at once.
void TMainForm::refreshSystemInfo() {
    if (!isVisible())
        return;
    try {
        systemFacts_->facts();
    } catch (const std::exception&) {
        // UpdateSysInfo keeps the panel as it was
    }
    if (systemFacts_->revision() != panelRevision_ || screenFacts() != panelScreen_)
        UpdateSysInfo();
}

// The screen the window is on, in its physical pixels.
ScreenFacts TMainForm::screenFacts() const {
    const QScreen* current = screen();
    if (!current)
        return {};
    const QSize size = current->geometry().size() * current->devicePixelRatio();
    return {size.width(), size.height(), current->depth()};
}

// "help/vsp-help.html" in the program folder, in the user's browser. xdg-open cannot tell a missing
// file from one it handed on, so the file is looked for first.
void TMainForm::openHelp() {
    const QString help = QFileInfo(context_.programFile).dir().filePath(QStringLiteral("help/vsp-help.html"));
    if (QFileInfo(help).isFile() && context_.desktopTools->openDocument(help))
        return;
    context_.messageBoxes->show(this, QMessageBox::Critical, text("IDS_202"));
}

void TMainForm::showAboutBox() {
    context_.aboutBox().exec();
}

} // namespace vespera
