// The main window's side of the process watch: the process condition in the tick, its status text in
// the information panel, and the task selection dialog.
#include "ui/TMainForm.h"

#include "l10n/DisplayText.h"
#include "l10n/FormTranslator.h"
#include "sensors/ProcessCondition.h"
#include "sensors/ProcessLoad.h"
#include "sensors/ProcessNames.h"
#include "sensors/fTaskSelect.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace vespera {

// Without a process manager the condition cannot measure: its box and button stay disabled.
void TMainForm::setupProcessWatch() {
    const bool available = context_.processManager && context_.processes && context_.windows;
    ProcCheckBox->setEnabled(available);
    ProcessBitBtn->setEnabled(available);
    if (!available)
        return;
    processCondition_ = std::make_unique<ProcessCondition>(*context_.processManager);
    connect(ProcessBitBtn, &QPushButton::clicked, this, &TMainForm::ProcessBitBtnClick);
}

// None without a process manager.
TTaskSelectForm* TMainForm::taskSelectForm() {
    if (!taskSelect_ && processCondition_)
        taskSelect_ = new TTaskSelectForm({context_.processManager, context_.processes, context_.windows,
                                           context_.dispatcher, context_.messageBoxes},
                                          this);
    return taskSelect_;
}

void TMainForm::ProcessBitBtnClick() {
    TTaskSelectForm& taskSelect = *taskSelectForm();
    taskSelect.setChoice(settings_.process, settings_.processpercent);
    if (taskSelect.exec() != QDialog::Accepted)
        return;
    settings_.process = taskSelect.process();
    settings_.processpercent = taskSelect.processpercent();
    SaveSettings();
    watchProcess();
}

// The process manager samples only while the condition is on with a program to watch.
void TMainForm::watchProcess() {
    if (processCondition_)
        processCondition_->watch(state_.conditions.process && !settings_.process.isEmpty(),
                                 settings_.process);
}

void TMainForm::showProcessStatus() {
    if (processCondition_ && isVisible())
        SysInfo1lbl->setText(displayText(
            processCondition_->statusText(*translator_, settings_.process, settings_.processpercent)));
}

// When the count may run out in this tick, every process is read afresh before the answer.
bool TMainForm::processBusy() {
    if (!processCondition_)
        return true;
    const bool finalCheck = state_.periodSeconds - state_.idleSeconds <= 0;
    return processCondition_->busy(settings_.process, settings_.processpercent, finalCheck);
}

// "render, 45 % über 1 %"; a program not yet measured over a full interval shows its name only.
QString TMainForm::processDescription() {
    const QString name = fileNamePart(settings_.process);
    if (!context_.processManager)
        return name;
    const int share = GetProcessLoad(*context_.processManager, settings_.process);
    if (share < settings_.processpercent)
        return name;
    return name + QStringLiteral(", ") + text("IDS_995").arg(share).arg(settings_.processpercent);
}

QString TMainForm::processReason() const {
    if (!processCondition_)
        return text("IDS_905");
    switch (processCondition_->unmeasured()) {
    case ProcessCondition::Unmeasured::NoProgram:
        return text("IDS_97");
    case ProcessCondition::Unmeasured::NoProcessList:
        return text("IDS_930");
    case ProcessCondition::Unmeasured::None:
        break;
    }
    return QString();
}

} // namespace vespera
