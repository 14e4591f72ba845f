#include <gtest/gtest.h>

#include "sensors/CpuSampler.h"
#include "ScriptedCpuCounters.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

using namespace vespera;

namespace {

using Status = CpuCounterSource::Status;
constexpr std::int64_t Second = ScriptedCpuCounters::Second;

struct Rig {
    Rig() {
        auto owned = std::make_unique<ScriptedCpuCounters>();
        source = owned.get();
        sampler = std::make_unique<CpuSampler>(std::move(owned));
    }
    ScriptedCpuCounters* source;
    std::unique_ptr<CpuSampler> sampler;
};

std::string errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(CpuSampler, LoadIsBusyShareOfElapsedTimeFromTheSecondSampleOn) {
    Rig rig;
    rig.source->add({1000, 2000, 3000, 9000}, 5 * Second);
    rig.source->add({1000 + Second / 4, 2000 + Second / 2, 3000 + Second, 9000 + Second * 1003 / 1000},
                    6 * Second);
    rig.source->add({0, 0, 0, 0}, 6 * Second);
    rig.sampler->CollectCpuSample();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rig.sampler->GetCpuInstanceLoad(i), 0.0) << "first sample, instance " << i;
    rig.sampler->CollectCpuSample();
    EXPECT_DOUBLE_EQ(rig.sampler->GetCpuInstanceLoad(0), 0.75);
    EXPECT_DOUBLE_EQ(rig.sampler->GetCpuInstanceLoad(1), 0.5);
    EXPECT_DOUBLE_EQ(rig.sampler->GetCpuInstanceLoad(2), 0.0);
    EXPECT_NEAR(rig.sampler->GetCpuInstanceLoad(3), -0.003, 1e-12) << "idle counter ahead of the clock";
    rig.sampler->CollectCpuSample();
    EXPECT_EQ(rig.sampler->GetCpuInstanceLoad(0), 0.0) << "same timestamp";
}

TEST(CpuSampler, QueriesTakeTheFirstSampleThemselvesAndNeverAnotherOne) {
    Rig rig;
    rig.source->addFailure(Status::NoProcessorObject);
    rig.source->add({0, 0, 0}, 0);
    rig.source->add({Second / 2, Second / 5, 0}, Second);
    EXPECT_EQ(errorOf([&] { rig.sampler->GetCpuInstanceCount(); }),
              "Unable to locate the \"Processor\" performance object");
    EXPECT_EQ(rig.sampler->GetCpuInstanceLoad(1), 0.0) << "a failed first sample fixes nothing";
    EXPECT_EQ(rig.source->reads, 2);
    rig.sampler->CollectCpuSample();
    const double first = rig.sampler->GetCpuInstanceLoad(1);
    EXPECT_DOUBLE_EQ(first, 0.8);
    EXPECT_EQ(rig.sampler->GetCpuInstanceLoad(1), first);
    EXPECT_EQ(rig.sampler->GetCpuInstanceCount(), 3);
    for (int index : {-1, 3})
        EXPECT_EQ(errorOf([&] { rig.sampler->GetCpuInstanceLoad(index); }), "CPU index out of bounds")
            << index;
    EXPECT_EQ(rig.source->reads, 3);
}

TEST(CpuSampler, FailedSampleRaisesItsTextAndKeepsTheLastGoodOne) {
    Rig rig;
    rig.source->add({0, 0}, 0);
    rig.source->add({Second / 4, 0}, Second);
    rig.source->addFailure(Status::NoProcessorObject);
    rig.source->addFailure(Status::NoIdleCounter);
    rig.source->add({0, 0, 0}, 2 * Second); // a source that changed its instance count
    rig.source->add({Second / 4 + Second / 2, Second}, 2 * Second);
    rig.sampler->CollectCpuSample();
    rig.sampler->CollectCpuSample();

    const std::string object = "Unable to locate the \"Processor\" performance object";
    EXPECT_EQ(errorOf([&] { rig.sampler->CollectCpuSample(); }), object);
    EXPECT_EQ(errorOf([&] { rig.sampler->CollectCpuSample(); }),
              "Unable to locate the \"% of CPU usage\" performance counter");
    EXPECT_EQ(errorOf([&] { rig.sampler->CollectCpuSample(); }), object);
    EXPECT_EQ(rig.sampler->GetCpuInstanceCount(), 2);
    EXPECT_DOUBLE_EQ(rig.sampler->GetCpuInstanceLoad(0), 0.75);

    rig.sampler->CollectCpuSample();
    EXPECT_DOUBLE_EQ(rig.sampler->GetCpuInstanceLoad(0), 0.5) << "paired with the last good sample";
    EXPECT_DOUBLE_EQ(rig.sampler->GetCpuInstanceLoad(1), 0.0);
}
