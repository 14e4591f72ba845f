// Random sequences of sensor values and settings against a plain model of when a watch may fire.
#include <gtest/gtest.h>

#include "engine/LoopHost.h"
#include "engine/MonitorLoop.h"
#include "engine/PreWarning.h"
#include "l10n/TextSource.h"
#include "sensors/LocalClock.h"
#include "sensors/ScheduleRule.h"

#include <climits>
#include <random>

using namespace vespera;

namespace {

class KeyTexts : public TextSource {
public:
    QString lookupText(const QString& key) const override { return key; }
};

class Host : public LoopHost {
public:
    explicit Host(WatchState& state) : state_(state) {}
    void disarm() override { state_.armed = false; }
    void showProcessStatus() override {}
    void refreshSystemInfo() override {}
    void showCountdown(int) override {}
    void closeCountdown() override {}
    void setCountdownText(const QString&) override {}
    void stopTick() override { state_.tickRunning = false; }
    void runShutdownCommand() override {}
    void performAction(const QString&) override { ++fired; }
    int fired = 0;

private:
    WatchState& state_;
};

// One tick's readings: each state condition busy, unmeasured, or quiet, and the schedule's second.
struct Readings {
    bool busy[4] = {};
    bool unmeasured[4] = {};
    bool schedule = false;
};

class Sensors : public LoopSensors {
public:
    QString unmeasuredReason(StateCondition c) override {
        return now.unmeasured[static_cast<int>(c)] ? QStringLiteral("x") : QString();
    }
    bool processBusy() override { return now.busy[static_cast<int>(StateCondition::Process)]; }
    bool scheduleMatches() override { return rule ? rule->ScheduleMatches(schedule) : now.schedule; }
    QString scheduleDescription(const QString&) override { return {}; }
    Readings now;
    ScheduleRule* rule = nullptr; // the schedule's own rule, or the scripted answer
    Settings schedule;
};

bool enabled(const Conditions& on, int condition) {
    const bool flags[4] = {on.processor, on.process, on.input, on.network};
    return flags[condition];
}

void apply(const Readings& r, WatchState& state) {
    state.cpuThreshold = 50;
    state.cpuLoad = r.busy[0] ? 90 : 10;
    state.netThreshold = 5;
    state.netLoad = r.busy[3] ? 9 : 1;
    state.inputSeen = r.busy[2];
}

bool heldTheWholePeriod(const Conditions& on, int held, int period) {
    return on.anyState() && held >= std::max(period, 1) && (period == 0 || held == period);
}

// The watch with its schedule and the warning a minute ahead, on a clock that the test moves.
struct WarnedWatch : LocalClock {
    QDateTime at{QDate(2027, 3, 29), QTime(10, 0), Qt::UTC};
    WatchState state;
    Host host{state};
    Sensors sensors;
    KeyTexts texts;
    ScheduleRule rule{*this};
    MonitorLoop loop{state, host, sensors, texts};
    PreWarning warning{state, rule, sensors.schedule, texts, nullptr};
    QDateTime now() const override { return at; }
};

} // namespace

// The watch fires only once every enabled state condition measured and held for the whole period (or
// at the schedule's second), never while one cannot measure, and never twice without a re-arm.
TEST(MonitorLoopProperty, FiresOnlyAfterTheWholePeriodHeld) {
    std::mt19937 random(20261209);
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    for (int sequence = 0; sequence < 100000; ++sequence) {
        WatchState state;
        Host host(state);
        Sensors sensors;
        KeyTexts texts;
        MonitorLoop loop(state, host, sensors, texts);
        state.conditions = {chance(50), chance(50), chance(20), chance(50), chance(50)};
        state.periodIndex = static_cast<int>(random() % 12);
        state.customSeconds = 1 + static_cast<int>(random() % 5);
        state.armed = state.tickRunning = true;
        loop.setTime();
        const int period = state.periodSeconds;
        int held = 0; // ticks in a row in which every enabled state condition measured and held
        for (int tick = 0; tick < 40 && state.tickRunning; ++tick) {
            Readings& r = sensors.now;
            r = {};
            bool allHeld = true;
            for (int c = 0; c < 4; ++c) {
                r.busy[c] = chance(8);
                r.unmeasured[c] = chance(3);
                allHeld = allHeld && !(enabled(state.conditions, c) && (r.busy[c] || r.unmeasured[c]));
            }
            r.schedule = chance(2);
            apply(r, state);
            held = allHeld ? held + 1 : 0;
            const int before = host.fired;
            loop.tick();
            if (host.fired == before)
                continue;
            ASSERT_EQ(host.fired, 1) << "fired twice in sequence " << sequence;
            const bool byState = heldTheWholePeriod(state.conditions, held, period);
            const bool bySchedule = state.conditions.time && r.schedule;
            ASSERT_TRUE(byState || bySchedule) << "sequence " << sequence << " tick " << tick;
            ASSERT_FALSE(state.tickRunning);
        }
    }
}

// A tick a second: the warning is out exactly while the action is one to sixty seconds away. A snooze holds
// every firing back for 15 minutes: the state conditions then need their period plus 15 minutes held, and
// a scheduled second within 15 minutes comes 15 minutes later.
TEST(MonitorLoopProperty, WarnsAMinuteAheadAndNothingFiresWithinFifteenMinutesOfASnooze) {
    std::mt19937 random(20261210);
    const auto chance = [&](int in10000) { return static_cast<int>(random() % 10000) < in10000; };
    for (int sequence = 0; sequence < 300; ++sequence) {
        WarnedWatch w;
        const Conditions on{chance(5000), chance(5000), chance(3000), chance(5000), chance(5000)};
        int scheduledAt = 30 + static_cast<int>(random() % 300); // the tick of the scheduled second
        w.sensors.rule = &w.rule;
        w.sensors.schedule.Stunde = 10;
        w.sensors.schedule.Minute = scheduledAt / 60;
        w.sensors.schedule.Sekunde = scheduledAt % 60;
        w.sensors.schedule.Montag = true;
        w.state.conditions = on;
        w.state.periodIndex = static_cast<int>(random() % 12);
        w.state.customSeconds = 100 + static_cast<int>(random() % 500);
        w.state.armed = w.state.tickRunning = true;
        w.loop.setTime();
        int required = w.state.periodSeconds, held = 0, snoozedAt = -PreWarning::SnoozeSeconds;
        for (int second = 1; second < 2000 && w.state.tickRunning; ++second) {
            bool allHeld = true;
            for (int c = 0; c < 4; ++c) {
                w.sensors.now.busy[c] = chance(5);
                allHeld = allHeld && !(enabled(on, c) && w.sensors.now.busy[c]);
            }
            held = allHeld ? held + 1 : 0;
            apply(w.sensors.now, w.state);
            w.at = w.at.addSecs(1);
            w.loop.tick();
            w.warning.afterTick();
            const bool fired = w.host.fired > 0;
            const int byCount =
                on.anyState() && required >= PreWarning::ShortestPeriod ? required - held : INT_MAX;
            const int bySecond = on.time && scheduledAt > second ? scheduledAt - second : INT_MAX;
            ASSERT_EQ(w.warning.warned(), !fired && std::min(byCount, bySecond) <= PreWarning::LeadSeconds)
                << sequence;
            if (fired) {
                ASSERT_GE(second - snoozedAt, PreWarning::SnoozeSeconds) << sequence;
                ASSERT_TRUE(heldTheWholePeriod(on, held, required) || (on.time && second == scheduledAt))
                    << sequence;
            }
            if (w.warning.warned() && chance(300) && w.warning.snooze()) {
                snoozedAt = second;
                held = 0;
                required = on.anyState() ? w.state.periodSeconds : required;
                if (on.time && scheduledAt > second && scheduledAt - second <= PreWarning::SnoozeSeconds)
                    scheduledAt += PreWarning::SnoozeSeconds;
            }
        }
    }
}
