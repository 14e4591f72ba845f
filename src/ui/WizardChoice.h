#pragma once

#include <QString>

#include <array>

namespace vespera {

// The five kinds of event the settings wizard sets up, in the order of its first step.
enum class WizardEvent { Processor = 0, Network = 1, Time = 2, Program = 3, Input = 4 };

// The time tab: when the time condition fires.
struct WizardSchedule {
    bool daily = true; // false: monthly
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfMonth = 1;
    std::array<bool, 7> days{}; // Monday to Sunday
};

// The five switches of the third step, in their order on the page.
enum WizardSwitch { ArmNow = 0, RearmAfterResume, StartWithSystem, StartMinimized, FullScreenCountdown };

// Everything the wizard's Finish writes into the main window.
struct WizardChoice {
    WizardEvent event = WizardEvent::Processor;
    int cpuThreshold = 1;
    int netThreshold = 1;
    int interfaceIndex = -1;
    QString interfaceText;
    WizardSchedule schedule;
    QString process;
    int processpercent = 1;
    int periodIndex = 0;
    QString periodText;
    int actionIndex = 0;
    QString actionText;
    std::array<bool, 5> switches{}; // by WizardSwitch
};

} // namespace vespera
