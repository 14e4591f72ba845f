#include <gtest/gtest.h>

#include "engine/LoopHost.h"
#include "engine/MonitorLoop.h"
#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"
#include "l10n/TranslationResources.h"

#include <QMap>
#include <QStringList>

using namespace vespera;

namespace {

// Records what the tick asks of the window, and plays the arm check box's handler on disarm.
class RecordingHost : public LoopHost {
public:
    explicit RecordingHost(WatchState& state) : state_(state) {}
    void disarm() override {
        calls << "disarm";
        state_.armed = false;
        state_.tickRunning = false;
    }
    void showProcessStatus() override {}
    void refreshSystemInfo() override {}
    void showCountdown(int remaining) override { countdown << remaining; }
    void closeCountdown() override { countdown << 0; }
    void setCountdownText(const QString& text) override { calls << "countdown " + text; }
    void stopTick() override { state_.tickRunning = false; }
    void runShutdownCommand() override {
        calls << "command";
        state_.armed = state_.armed && !abortDuringCommand;
    }
    void performAction(const QString& name) override { actions << name; }

    QStringList calls;
    QStringList actions;
    QList<int> countdown;            // remaining seconds shown, 0 for a close
    bool abortDuringCommand = false; // the user aborts while the command runs

private:
    WatchState& state_;
};

class ScriptedSensors : public LoopSensors {
public:
    QString unmeasuredReason(StateCondition condition) override { return unmeasured.value(condition); }
    bool processBusy() override { return processBusyNow; }
    bool scheduleMatches() override { return scheduleNow; }
    QString scheduleDescription(const QString& actionShort) override { return "22:00:00 Mo " + actionShort; }
    bool processBusyNow = false;
    bool scheduleNow = false;
    QMap<StateCondition, QString> unmeasured;
};

class MonitorLoopTest : public ::testing::Test {
protected:
    MonitorLoopTest() : host(state), loop(state, host, sensors, texts) {
        state.armed = true;
        state.tickRunning = true;
    }

    void arm(int periodIndex) {
        state.periodIndex = periodIndex;
        loop.setTime();
    }

    void tick(int times) {
        for (int i = 0; i < times; ++i)
            loop.tick();
    }

    // Ticks until the action fires; returns the tick number, or -1 when it did not fire within limit.
    int ticksUntilFired(int limit) {
        for (int i = 1; i <= limit; ++i) {
            loop.tick();
            if (!host.actions.isEmpty())
                return i;
        }
        return -1;
    }

    WatchState state;
    FormTranslator texts{shippedTranslationTable("TMainForm"), "TMainForm", twoLanguageNames()};
    RecordingHost host;
    ScriptedSensors sensors;
    MonitorLoop loop;
};

} // namespace

TEST_F(MonitorLoopTest, ProcessorConditionFiresOnTheTenthQuietTickAndRestartsOnALoadPeak) {
    state.conditions.processor = true;
    state.cpuThreshold = 10;
    arm(0); // 10 seconds
    state.cpuLoad = 10;
    tick(5);
    EXPECT_EQ(state.idleSeconds, 5);
    EXPECT_EQ(state.statusLine, "In 5 Sekunden wird Ihr PC ausgeschaltet!");

    state.cpuLoad = 11;
    loop.tick();
    EXPECT_EQ(state.idleSeconds, 0);
    EXPECT_EQ(state.statusLine, "In 10 Sekunden wird Ihr PC ausgeschaltet!");
    EXPECT_EQ(state.trayHint,
              "In 10 Sekunden wird Ihr PC ausgeschaltet!In 10 Sekunden wird Ihr ausgeschaltet!");

    state.cpuLoad = 3;
    EXPECT_EQ(ticksUntilFired(20), 10);
    EXPECT_EQ(host.actions, QStringList{"Ausschalten"});
    EXPECT_EQ(state.statusLine, "Fertig - Ihr PC wird ausgeschaltet!");
    EXPECT_EQ(state.trayHint, "Fertig - Ihr PC wird ausgeschaltet!");
    EXPECT_FALSE(state.tickRunning);
    EXPECT_TRUE(state.armed); // the watch stays armed, only the tick stops
    EXPECT_EQ(state.idleSeconds, 0);
    EXPECT_EQ(state.periodSeconds, 0);
    EXPECT_EQ(host.calls, (QStringList{"countdown 0", "command"}));
}

// The network is read after the processor: busy in the processor's last second, it still resets the count.
TEST_F(MonitorLoopTest, BusyNetworkEveryTickNeverFiresAndInputIsClearedEachTick) {
    state.conditions.processor = true;
    state.conditions.network = true;
    state.conditions.input = true;
    state.netThreshold = 5;
    state.netLoad = 6;
    arm(0);
    state.idleSeconds = 9;
    EXPECT_EQ(ticksUntilFired(100), -1);

    state.netLoad = 5;
    state.inputSeen = true;
    loop.tick();
    EXPECT_FALSE(state.inputSeen);
    EXPECT_EQ(state.idleSeconds, 0);
    EXPECT_EQ(state.trayHint, "In 10 Sekunden wird Ihr ausgeschaltet!");
    EXPECT_EQ(ticksUntilFired(20), 10);
}

TEST_F(MonitorLoopTest, ImmediatePeriodFiresOnTheFirstTickInWhichEveryConditionHeld) {
    state.conditions.processor = true;
    state.conditions.network = true;
    state.conditions.process = true;
    arm(10); // "Sofort"
    ASSERT_EQ(state.periodSeconds, 0);

    state.cpuLoad = 90; // the processor resets the count: no firing in this tick
    loop.tick();
    EXPECT_TRUE(host.actions.isEmpty());
    state.cpuLoad = 0;
    state.netLoad = 90; // the last branch resets it: no firing either
    loop.tick();
    EXPECT_TRUE(host.actions.isEmpty());
    sensors.processBusyNow = true;
    state.netLoad = 0;
    loop.tick();
    EXPECT_TRUE(host.actions.isEmpty());
    sensors.processBusyNow = false;
    loop.tick();
    EXPECT_EQ(host.actions.size(), 1);
}

TEST_F(MonitorLoopTest, TimeConditionAloneFiresAtItsSecondWithoutCountdown) {
    state.conditions.time = true;
    state.cpuLoad = 100;
    arm(4);
    tick(3);
    EXPECT_TRUE(host.actions.isEmpty());
    EXPECT_EQ(state.statusLine, "22:00:00 Mo ausgeschaltet!");
    EXPECT_TRUE(host.countdown.isEmpty());
    sensors.scheduleNow = true;
    loop.tick();
    EXPECT_EQ(host.actions.size(), 1);
    EXPECT_EQ(state.statusLine, "22:00:00 Mo ausgeschaltet!Fertig - Ihr PC wird ausgeschaltet!");
    EXPECT_EQ(state.trayHint, "Fertig - Ihr PC wird ausgeschaltet!");
}

TEST_F(MonitorLoopTest, TimeWithAStateConditionShowsBothLines) {
    state.conditions.time = true;
    state.conditions.processor = true;
    arm(1);
    loop.tick();
    EXPECT_EQ(state.statusLine, "22:00:00 Mo ausgeschaltet!\r\nIn 29 Sekunden wird Ihr PC ausgeschaltet!");
    state.cpuLoad = 50;
    loop.tick();
    EXPECT_EQ(state.statusLine, "22:00:00 Mo ausgeschaltet!In 30 Sekunden wird Ihr PC ausgeschaltet!");
}

TEST_F(MonitorLoopTest, CountdownShowsTheLastTenSecondsAndClosesOnAReset) {
    state.conditions.processor = true;
    arm(1); // 30 seconds
    tick(19);
    EXPECT_EQ(host.countdown.last(), 0);
    host.countdown.clear();
    tick(3);
    EXPECT_EQ(host.countdown, (QList<int>{10, 9, 8}));
    state.cpuLoad = 50;
    loop.tick(); // the count resets after the countdown was updated
    state.cpuLoad = 0;
    loop.tick();
    EXPECT_EQ(host.countdown.last(), 0);

    state.fullScreenCountdown = false;
    host.countdown.clear();
    state.idleSeconds = 25;
    loop.tick();
    EXPECT_TRUE(host.countdown.isEmpty());
}

TEST_F(MonitorLoopTest, NoConditionDisarmsButTheTickStillRuns) {
    arm(0);
    loop.tick();
    EXPECT_EQ(host.calls, QStringList{"disarm"});
    EXPECT_FALSE(state.armed);
    EXPECT_EQ(state.idleSeconds, 1);
}

TEST_F(MonitorLoopTest, HibernationThroughDispatchAResetsThePeriodTo300) {
    state.conditions.processor = true;
    state.actionName = "Ruhezustand";
    state.actionIndex = 1;
    arm(0);
    EXPECT_EQ(ticksUntilFired(10), 10);
    EXPECT_EQ(state.periodSeconds, 300);
    EXPECT_EQ(state.statusLine, "Fertig - Ihr PC wird in den Ruhezustand versetzt!");

    // The input branch fires with dispatch B: the period stays 0. The texts follow the selector's entry,
    // "Standby" in the list without hibernation, not the stored name.
    host.actions.clear();
    state.conditions = {};
    state.conditions.input = true;
    state.hibernateEntry = false;
    arm(0);
    EXPECT_EQ(ticksUntilFired(10), 10);
    EXPECT_EQ(state.periodSeconds, 0);
    EXPECT_EQ(state.statusLine, "Fertig - Ihr PC wird in den Standby versetzt!");
}

// Whichever condition cannot measure, quiet readings everywhere must not let the count run out, the
// status line says why, and the count starts afresh once the sensor measures again.
TEST_F(MonitorLoopTest, AConditionThatCannotMeasureCountsAsBusy) {
    for (const StateCondition condition : {StateCondition::Processor, StateCondition::Process,
                                           StateCondition::Input, StateCondition::Network}) {
        state.conditions = {true, true, false, true, true};
        sensors.unmeasured = {{condition, "kann nicht messen"}};
        for (const int periodIndex : {0, 10}) { // 10 seconds and "Sofort"
            arm(periodIndex);
            EXPECT_EQ(ticksUntilFired(30), -1);
            EXPECT_TRUE(state.statusLine.endsWith("\r\nkann nicht messen")) << state.statusLine.toStdString();
            EXPECT_TRUE(state.trayHint.endsWith("\r\nkann nicht messen"));
        }
        sensors.unmeasured.clear();
        EXPECT_EQ(ticksUntilFired(30), 1); // "Sofort" once every condition measures
        host.actions.clear();
        state.tickRunning = true;
    }
}

// The tooltips say which condition last restarted the count, with its reading, and how long ago.
TEST_F(MonitorLoopTest, TheLastResetLineNamesTheConditionItsValueAndItsAge) {
    state.conditions = {true, true, false, false, false};
    state.netThreshold = 10;
    arm(4);
    loop.tick();
    EXPECT_TRUE(state.lastResetLine.isEmpty());
    state.netLoad = 35;
    loop.tick();
    state.netLoad = 0;
    tick(4);
    EXPECT_EQ(state.lastResetLine, "Zuletzt zurückgesetzt: Netzwerk, 35 kb/s über 10 kb/s, vor 4 s");
    state.cpuLoad = 50;
    sensors.unmeasured = {{StateCondition::Network, "kann nicht messen"}};
    loop.tick();
    EXPECT_EQ(state.lastResetLine, "Zuletzt zurückgesetzt: kann nicht messen, vor 0 s");
    sensors.unmeasured = {{StateCondition::Network, "a%2b"}};
    loop.tick();
    EXPECT_EQ(state.lastResetLine, "Zuletzt zurückgesetzt: a%2b, vor 0 s");
}

TEST_F(MonitorLoopTest, AnAbortWhileTheCommandRunsPerformsNothing) {
    state.conditions.processor = true;
    arm(0); // 10 seconds
    host.abortDuringCommand = true;
    tick(10);
    EXPECT_EQ(host.calls, (QStringList{"countdown 0", "command"}));
    EXPECT_TRUE(host.actions.isEmpty());
}
