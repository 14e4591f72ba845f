#pragma once

#include "ui/WizardChoice.h"

#include <QStringList>

namespace vespera {

// A list of the main window as the wizard copies it: its entries and the selected one.
struct WizardList {
    QStringList items;
    int index = -1;
};

// What each showing of the wizard starts from: the main window's current values.
struct WizardStart {
    int cpuThreshold = 1;
    int netThreshold = 1;
    QString process;
    int processpercent = 1;
    WizardSchedule schedule;
    WizardList actions;
    WizardList periods;
    WizardList interfaces;
};

// The window the settings wizard sets up: it hands out its values when the wizard is shown and takes
// the user's choice on Finish, applying it through its own handlers as if the user had set its controls.
class WizardHost {
public:
    virtual ~WizardHost() = default;
    virtual WizardStart wizardStart() const = 0;
    virtual void applyWizard(const WizardChoice& choice) = 0;
};

} // namespace vespera
