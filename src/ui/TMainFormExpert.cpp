// The expert options of the main window: the command that runs when the watch fires, and the number of
// seconds of the user-defined period.
#include "ui/TMainForm.h"

#include "dialogs/ShutdownCommand.h"
#include "dialogs/TCommandForm.h"
#include "dialogs/TCustomTimeForm.h"
#include "l10n/DisplayText.h"
#include "l10n/StandardMessageBox.h"
#include "platform/Launcher.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QSystemTrayIcon>

namespace vespera {

void TMainForm::setupExpertDialogs() {
    commandAction_->setEnabled(true);
    connect(commandAction_, &QAction::triggered, this, &TMainForm::Kommando1Click);
    connect(findChild<QAction*>(QStringLiteral("Shutdownzeitraum1")), &QAction::triggered, this,
            &TMainForm::Shutdownzeitraum1Click);
}

TCommandForm& TMainForm::commandForm() {
    if (!commandForm_)
        commandForm_ = new TCommandForm(settings_, *context_.dispatcher, *context_.messageBoxes, this);
    return *commandForm_;
}

TCustomTimeForm& TMainForm::customTimeForm() {
    if (!customTimeForm_)
        customTimeForm_ = new TCustomTimeForm(state_.customSeconds, *context_.dispatcher, this);
    return *customTimeForm_;
}

// However the dialog closes, the settings are written and the check mark follows the stored switch.
void TMainForm::Kommando1Click() {
    commandForm().exec();
    SaveToIni();
    commandAction_->setChecked(settings_.fexeafter);
}

// However the dialog closes, the settings are written and the count starts again with the period.
void TMainForm::Shutdownzeitraum1Click() {
    customTimeForm().exec();
    SaveToIni();
    loop_.setTime();
}

// "Execute and wait" has no time limit: a command that never ends keeps the machine running, so the
// status line says what Vespera waits for. The monitoring tick stays idle meanwhile, even when the user
// arms the watch again.
void TMainForm::runShutdownCommand() {
    const std::optional<ShutdownCommand> command = ShutdownCommand::fromSettings(settings_);
    if (!command)
        return;
    if (command->method == ShutdownCommand::Method::ExecuteOnly) {
        context_.launcher->Execute(command->directory, command->file, command->arguments);
        return;
    }
    const QString waiting = text("IDS_950") + command->name();
    statusText_->setText(displayText(waiting));
    tray_->setToolTip(displayText(waiting));
    waitingForCommand_ = true;
    const bool started =
        context_.launcher->ExecuteAndWait(command->directory, command->file, command->arguments);
    waitingForCommand_ = false;
    syncFromState();
    if (!started)
        context_.messageBoxes->show(this, QMessageBox::Critical,
                                    QStringLiteral("Error starting \"%1\"").arg(command->file));
}

} // namespace vespera
