// Random sequences of sensor values and settings against a plain model of when a watch may fire.
#include <gtest/gtest.h>

#include "engine/LoopHost.h"
#include "engine/MonitorLoop.h"
#include "l10n/TextSource.h"

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
    bool scheduleMatches() override { return now.schedule; }
    QString scheduleDescription(const QString&) override { return {}; }
    Readings now;
};

bool enabled(const Conditions& on, int condition) {
    const bool flags[4] = {on.processor, on.process, on.input, on.network};
    return flags[condition];
}

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
            state.cpuThreshold = 50;
            state.cpuLoad = r.busy[0] ? 90 : 10;
            state.netThreshold = 5;
            state.netLoad = r.busy[3] ? 9 : 1;
            state.inputSeen = r.busy[2];
            held = allHeld ? held + 1 : 0;
            const int before = host.fired;
            loop.tick();
            if (host.fired == before)
                continue;
            ASSERT_EQ(host.fired, 1) << "fired twice in sequence " << sequence;
            const bool byState =
                state.conditions.anyState() && held >= std::max(period, 1) && (period == 0 || held == period);
            const bool bySchedule = state.conditions.time && r.schedule;
            ASSERT_TRUE(byState || bySchedule) << "sequence " << sequence << " tick " << tick;
            ASSERT_FALSE(state.tickRunning);
        }
    }
}
