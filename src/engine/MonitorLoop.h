#pragma once

#include "engine/ActionTable.h"
#include "engine/LoopHost.h"
#include "engine/WatchState.h"

#include <QStringList>

#include <optional>

namespace vespera {

class TextSource;

// The once-per-second evaluation of the armed watch: counts the seconds in which every enabled state
// condition held, resets the count when one did not, builds the status line and the tray hint, and fires
// the chosen action when the count reaches the period or the schedule's second has come.
class MonitorLoop {
public:
    MonitorLoop(WatchState& state, LoopHost& host, LoopSensors& sensors, const TextSource& texts);

    // One tick of the monitoring timer.
    void tick();

    // The period from the selector's entry, the count back to 0.
    void setTime();

private:
    enum class Dispatch { A, B };

    bool runBranches();
    void checkCondition(StateCondition condition, bool busy, bool withStatusInHint);
    bool stateFires(StateCondition condition, Dispatch dispatch);
    bool periodReached(StateCondition condition) const;
    void addWarnings();
    QString resetDescription(StateCondition condition) const;
    void buildLastResetLine();
    void resetCount(bool withStatusInHint);
    void fire(Dispatch dispatch, const QString& statusLine);
    void updateActionTexts();
    void updateCountdown();
    void buildStatusLine();
    QString remainingText() const;
    QString text(QStringView key) const;

    WatchState& state_;
    LoopHost& host_;
    LoopSensors& sensors_;
    const TextSource& texts_;
    QStringList unmeasured_; // this tick's reasons of conditions that cannot measure
    int ticks_ = 0;
    QString lastResetWhat_; // the condition that last reset the count, with its value
    int lastResetTick_ = -1;
    std::optional<ActionKind> keysKind_; // the action whose text keys are kept, made once
    QString shortKey_;
    QString longKey_;
};

} // namespace vespera
