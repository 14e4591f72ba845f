#pragma once

#include <QString>

namespace vespera {

// The five conditions the user can enable. The first four are state conditions: they must all hold for
// the whole period. The time condition fires by itself at its scheduled second.
struct Conditions {
    bool processor = false;
    bool network = false;
    bool time = false;
    bool process = false;
    bool input = false;

    bool any() const { return processor || network || time || process || input; }
    bool anyState() const { return processor || network || process || input; }
    bool onlyTime() const { return time && !anyState(); }
    bool operator==(const Conditions&) const = default;
};

// Everything the monitoring tick reads and writes. The main window owns one and keeps its controls in
// step with it; tests drive it directly.
struct WatchState {
    Conditions conditions;
    bool armed = false;              // the arm check box "Aktivieren"
    bool tickRunning = false;        // the monitoring timer runs
    bool fullScreenCountdown = true; // "Fullscreen Countdown"
    int cpuThreshold = 10;           // percent
    int netThreshold = 0;            // kb/s
    int cpuLoad = 0;                 // percent, written by the processor sampling
    int netLoad = 0;                 // kb/s, written by the network sampling
    bool inputSeen = false;          // mouse or keyboard activity since the last tick

    int idleSeconds = 0;
    int periodSeconds = 300;
    int customSeconds = 60;
    int periodIndex = 4; // entry of the period selector
    // "15 Minuten später": this run's period holds 15 minutes more. Setting the period or a firing ends it.
    bool snoozed = false;

    QString actionName = QStringLiteral("Ausschalten");
    int actionIndex = 0;        // entry of the action selector
    bool hibernateEntry = true; // the action selector lists hibernation

    QString actionShortText;
    QString actionLongText;
    QString scheduleText;
    QString statusLine;
    QString trayHint = QStringLiteral("Vespera");
    // Why the chosen action may not be carried out when the watch fires (it would need a password, the
    // system does not allow it), shown under the status line; empty while it would be.
    QString actionWarning;
    // Which condition last started the count afresh, with its value and how long ago; empty until one
    // did. The tooltips end with it.
    QString lastResetLine;
};

} // namespace vespera
