#include <gtest/gtest.h>

#include "settings/Settings.h"
#include "engine/WatchState.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"
#include "ScriptedCpuCounters.h"

#include <memory>
#include <vector>

using namespace vespera;

namespace {

using Status = CpuCounterSource::Status;

// The sampling chain with a scripted source. The constructor takes the first tick, which reads 0
// whatever the load, so the loads given to tick() are those of the next sample.
class Chain {
public:
    explicit Chain(std::size_t instances, Settings settings = {}) : settings_(settings) {
        auto owned = std::make_unique<ScriptedCpuCounters>();
        source_ = owned.get();
        sampler_ = std::make_unique<CpuSampler>(std::move(owned));
        sampling_ = std::make_unique<CpuLoadSampling>(*sampler_);
        state.cpuLoad = 42;
        tick(std::vector<double>(instances, 1.0));
    }

    int tick(const std::vector<double>& loads) {
        source_->addLoads(loads);
        return sampling_->SampleCpuLoad(state, settings_);
    }
    int failingTick(Status status) {
        source_->addFailure(status);
        return sampling_->SampleCpuLoad(state, settings_);
    }
    int dampCounter() const { return sampling_->DampCounter(); }
    Settings& settings() { return settings_; }

    WatchState state;

private:
    Settings settings_;
    ScriptedCpuCounters* source_;
    std::unique_ptr<CpuSampler> sampler_;
    std::unique_ptr<CpuLoadSampling> sampling_;
};

Settings withMethod(int processormethod) {
    Settings settings;
    settings.processormethod = processormethod;
    return settings;
}

Settings withDamping(int length) {
    Settings settings;
    settings.Daempfung = true;
    settings.fmaxdaempfung = length;
    return settings;
}

} // namespace

TEST(CpuLoadSampling, MethodsLeaveTheTotalOutAndTruncate) {
    struct Case {
        const char* name;
        std::vector<double> loads; // processors, then the total
        int average;
        int highest;
        int gauge; // with the average
    };
    const Case cases[] = {
        {"two processors", {0.25, 0.75, 0.99}, 50, 75, 50},
        {"one slightly negative", {-0.003, 0.50, 0.25}, 25, 50, 25},
        {"truncated, not rounded", {0.999, 0.999, 0.999}, 99, 99, 99},
        {"all idle or negative", {-0.5, -0.2, 0.0}, 0, 0, 0},
        {"above full load", {1.5, 0.75, 1.0}, 112, 150, 100},
        {"only the total", {0.7}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Chain average(c.loads.size(), withMethod(0));
        EXPECT_EQ(average.state.cpuLoad, 0) << c.name << ": first tick";
        EXPECT_EQ(average.tick(c.loads), c.gauge) << c.name;
        EXPECT_EQ(average.state.cpuLoad, c.average) << c.name;
        Chain highest(c.loads.size(), withMethod(1));
        highest.tick(c.loads);
        EXPECT_EQ(highest.state.cpuLoad, c.highest) << c.name;
    }
}

// A value stands on every (length + 1)-th tick: every fourth with length 3, each one with length 0.
TEST(CpuLoadSampling, DampingLetsEveryLengthPlusFirstValueStand) {
    const struct {
        int length;
        std::vector<int> loads, counters;
    } cases[] = {{3, {7, 7, 7, 12, 12}, {1, 2, 3, 0, 1}}, {0, {25, 50, 75, 12, 37}, {0, 0, 0, 0, 0}}};
    for (const auto& c : cases) {
        Chain chain(3);
        chain.settings() = withDamping(c.length);
        chain.state.cpuLoad = 7;
        std::vector<int> loads;
        std::vector<int> counters;
        for (double load : {0.25, 0.5, 0.75, 0.125, 0.375}) {
            chain.tick({load, load, load});
            loads.push_back(chain.state.cpuLoad);
            counters.push_back(chain.dampCounter());
        }
        EXPECT_EQ(loads, c.loads) << c.length;
        EXPECT_EQ(counters, c.counters) << c.length;

        // Switching damping off keeps the counter; every value stands again.
        chain.settings().Daempfung = false;
        chain.tick({0.6, 0.6, 0.6});
        EXPECT_EQ(chain.state.cpuLoad, 60);
        EXPECT_EQ(chain.dampCounter(), c.counters.back());
    }
}

TEST(CpuLoadSampling, FailedTickReadsZeroAndIsDampedAsUsual) {
    Chain chain(3);
    chain.tick({0.5, 0.5, 0.5});
    EXPECT_EQ(chain.failingTick(Status::NoIdleCounter), 0);
    EXPECT_EQ(chain.state.cpuLoad, 0);

    chain.tick({0.5, 0.5, 0.5});
    chain.settings() = withDamping(1);
    chain.failingTick(Status::NoProcessorObject);
    EXPECT_EQ(chain.state.cpuLoad, 50);
    EXPECT_EQ(chain.failingTick(Status::NoProcessorObject), 0);
    EXPECT_EQ(chain.dampCounter(), 0);
}

TEST(CpuLoadSampling, StatusLineIsClearedOnlyWhileNotArmed) {
    Chain chain(2);
    chain.state.statusLine = QStringLiteral("In 10 Sekunden");
    chain.state.armed = true;
    chain.tick({0.1, 0.1});
    EXPECT_EQ(chain.state.statusLine, QStringLiteral("In 10 Sekunden"));
    chain.state.armed = false;
    chain.tick({0.1, 0.1});
    EXPECT_TRUE(chain.state.statusLine.isEmpty());
}
