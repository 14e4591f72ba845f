// The main window as later starts of the program reach it: each change goes through the control the
// user would use, so it is saved and shown the same way.
#include "ui/TMainForm.h"

#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"

#include <QCheckBox>
#include <QComboBox>

namespace vespera {

void TMainForm::setArmed(bool armed) {
    CheckBox2->setChecked(armed);
}

RemoteStatus TMainForm::remoteStatus() const {
    RemoteStatus status;
    status.armed = CheckBox2->isChecked();
    status.statusLine = state_.statusLine;
    status.lastResetLine = state_.lastResetLine;
    return status;
}

void TMainForm::setAction(const QString& actionName) {
    ComboBox3->setCurrentIndex(actionIndexForName(actionName, state_.hibernateEntry));
}

// A period that is no fixed entry becomes the user-defined one.
void TMainForm::setPeriod(int seconds) {
    const int index = periodIndexForSeconds(seconds);
    if (index == CustomPeriodIndex)
        state_.customSeconds = validCustomSeconds(seconds);
    if (ComboBox1->currentIndex() == index)
        ComboBox1Change();
    else
        ComboBox1->setCurrentIndex(index);
}

} // namespace vespera
