#include <gtest/gtest.h>

#include "settings/Settings.h"
#include "engine/WatchState.h"
#include "platform/linux/ProcStatCpuCounters.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

using namespace vespera;

namespace {

using Status = CpuCounterSource::Status;
constexpr std::int64_t Second = 10'000'000;

// Clock ticks of /proc/stat in 100-ns units.
std::uint64_t units(std::uint64_t ticks) {
    return ticks * 10'000'000 / ::sysconf(_SC_CLK_TCK);
}

struct Cpu {
    unsigned number;
    std::uint64_t idle;
    std::uint64_t iowait = 0;
};

// A /proc/stat in the kernel's layout: the total, the processor lines, then the other counters.
std::string statFile(const std::vector<Cpu>& cpus, int interrupts = 64) {
    std::uint64_t idle = 0;
    std::uint64_t iowait = 0;
    for (const Cpu& cpu : cpus) {
        idle += cpu.idle;
        iowait += cpu.iowait;
    }
    std::string text =
        "cpu  9237 0 6258 " + std::to_string(idle) + " " + std::to_string(iowait) + " 0 158 0 0 0\n";
    for (const Cpu& cpu : cpus) {
        text += "cpu" + std::to_string(cpu.number) + " 4319 0 2652 " + std::to_string(cpu.idle) + " " +
                std::to_string(cpu.iowait) + " 0 44 0 0 0\n";
    }
    text += "intr 224719";
    for (int i = 0; i < interrupts; ++i)
        text += " 0";
    text += "\nctxt 380399\nbtime 1796773156\nprocesses 9227\nprocs_running 2\nprocs_blocked 0\n"
            "softirq 166175 0 20452 4 1424 56522 0 5 45099 0 42669\n";
    return text;
}

std::string fixture(const char* name) {
    QFile file(QStringLiteral(VESPERA_TEST_DATA "/proc-stat/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

// A proc folder of the test's own, a clock the test moves, and the sampler reading through them.
class ProcRig {
public:
    ProcRig() {
        auto owned = std::make_unique<ProcStatCpuCounters>(dir.path(), [this] { return now; });
        counters = owned.get();
        sampler = std::make_unique<CpuSampler>(std::move(owned));
    }

    void write(const std::string& text) {
        QFile file(dir.filePath(QStringLiteral("stat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    Status read(const std::string& text, CpuCounters& out) {
        write(text);
        return counters->read(out);
    }

    // Takes the next sample one second on and returns the processors' loads, the total left out.
    std::vector<double> loadsAfter(const std::string& text) {
        write(text);
        now += Second;
        sampler->CollectCpuSample();
        std::vector<double> loads;
        for (int i = 0; i + 1 < sampler->GetCpuInstanceCount(); ++i)
            loads.push_back(sampler->GetCpuInstanceLoad(i));
        return loads;
    }

    QTemporaryDir dir;
    std::int64_t now = 5 * Second;
    ProcStatCpuCounters* counters;
    std::unique_ptr<CpuSampler> sampler;
};

void expectLoads(const std::vector<double>& actual, const std::vector<double>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << what << ", processor " << i;
}

} // namespace

TEST(ProcStat, RecordedFilesGiveProcessorsInOrderThenTheAverageTotal) {
    ProcRig rig;
    CpuCounters out;
    ASSERT_EQ(rig.read(fixture("recorded-1"), out), Status::Ok);
    EXPECT_EQ(out.time, rig.now);
    EXPECT_EQ(rig.counters->bufferSize(), 8192u);
    const std::vector<std::uint64_t> expected = {units(43785 + 56), units(41108 + 578),
                                                 units(84893 + 635) / 2};
    EXPECT_EQ(std::vector<std::uint64_t>(out.idle.begin(), out.idle.end()), expected);

    rig.sampler->CollectCpuSample();
    rig.loadsAfter(fixture("recorded-2"));
    const double second = static_cast<double>(Second);
    EXPECT_NEAR(rig.sampler->GetCpuInstanceLoad(0), 1.0, 1e-9);
    EXPECT_NEAR(rig.sampler->GetCpuInstanceLoad(1), 1.0 - units(85) / second, 1e-9);
    EXPECT_NEAR(rig.sampler->GetCpuInstanceLoad(2), 1.0 - units(86) / 2 / second, 1e-9);
}

TEST(ProcStat, ManyProcessorsGrowTheBufferInStepsAndItNeverShrinks) {
    ProcRig rig;
    std::vector<Cpu> many;
    for (unsigned n = 0; n < 300; ++n)
        many.push_back({n, 1000 + n, n % 7});
    const std::string big = statFile(many, 2000);
    ASSERT_GT(big.size(), 12288u);

    CpuCounters out;
    ASSERT_EQ(rig.read(big, out), Status::Ok);
    const std::size_t size = rig.counters->bufferSize();
    EXPECT_EQ((size - 8192) % 4096, 0u);
    EXPECT_GT(size, big.size());
    EXPECT_LE(size - 4096, big.size());
    ASSERT_EQ(out.idle.size(), 301u);
    EXPECT_EQ(out.idle[0], units(1000));
    EXPECT_EQ(out.idle[299], units(1299 + 299 % 7));
    std::uint64_t sum = 0;
    for (const Cpu& cpu : many)
        sum += cpu.idle + cpu.iowait;
    EXPECT_EQ(out.idle[300], units(sum) / 300);

    ASSERT_EQ(rig.read(statFile(many, 0), out), Status::Ok);
    EXPECT_EQ(rig.counters->bufferSize(), size);
}

TEST(ProcStat, LinesAtTheEndOfAFullBufferAreRead) {
    ProcRig rig;
    const std::string head = "cpu  1 0 1 30 0 0 0 0 0 0\n";
    const std::string tail = "cpu0 1 0 1 10 0 0 0 0 0 0\ncpu1 1 0 1 20 0 0 0 0 0 0\n";
    const std::string text = head + std::string(8192 - head.size() - tail.size() - 1, 'x') + "\n" + tail;
    ASSERT_EQ(text.size(), 8192u);
    CpuCounters out;
    ASSERT_EQ(rig.read(text, out), Status::Ok);
    EXPECT_EQ(std::vector<std::uint64_t>(out.idle.begin(), out.idle.end()),
              (std::vector<std::uint64_t>{units(10), units(20), units(30) / 2}));
}

TEST(ProcStat, MalformedFirstReadingIsRefusedWithItsReason) {
    const std::string good = statFile({{0, 10}, {1, 20}});
    struct Case {
        const char* name;
        std::string text;
        Status status;
    };
    const Case cases[] = {
        {"empty file", "", Status::NoProcessorObject},
        {"no total line", good.substr(good.find("cpu0")), Status::NoProcessorObject},
        {"only the total", "cpu  1 2 3 4 5 6 7 8 9 10\nintr 0\n", Status::NoProcessorObject},
        {"numbers not rising", "cpu  1 0 1 30 0\ncpu1 1 0 1 20 0\ncpu0 1 0 1 10 0\n",
         Status::NoProcessorObject},
        {"binary garbage", std::string("\0\x7f\xff\ncpu\xff\n\0", 10), Status::NoProcessorObject},
        {"truncated recording", fixture("truncated"), Status::NoIdleCounter},
        {"no iowait field", "cpu  1 0 1 30\ncpu0 1 0 1 30\n", Status::NoIdleCounter},
        {"word for a number", "cpu  1 0 1 30 0\ncpu0 1 0 one 30 0\n", Status::NoIdleCounter},
        {"number too large", "cpu  1 0 1 30 0\ncpu0 1 0 1 99999999999999999999999 0\n",
         Status::NoIdleCounter},
        {"processor line without its end", "cpu  1 0 1 30 0\ncpu0 1 0 1 30 0", Status::NoIdleCounter},
    };
    for (const Case& c : cases) {
        ProcRig fresh;
        CpuCounters out;
        EXPECT_EQ(fresh.read(c.text, out), c.status) << c.name;
        EXPECT_EQ(fresh.read(good, out), Status::Ok) << c.name << ": the next good file fixes the processors";
        EXPECT_EQ(out.idle.size(), 3u) << c.name;
    }
    ProcRig missing;
    CpuCounters out;
    EXPECT_EQ(missing.counters->read(out), Status::NoProcessorObject) << "no file";
}

TEST(ProcStat, MalformedLaterFileGivesTheTickZeroAndChangesNothing) {
    ProcRig rig;
    CpuLoadSampling sampling(*rig.sampler);
    WatchState state;
    const Settings average;
    rig.write(statFile({{0, 1000}, {1, 1000}}));
    EXPECT_EQ(sampling.SampleCpuLoad(state, average), 0);
    rig.write(statFile({{0, 1050}, {1, 1050}}));
    rig.now += units(100);
    EXPECT_EQ(sampling.SampleCpuLoad(state, average), 50);
    rig.write(fixture("truncated"));
    rig.now += units(100);
    EXPECT_EQ(sampling.SampleCpuLoad(state, average), 0);
    rig.write(statFile({{0, 1050}, {1, 1150}}));
    rig.now += units(100);
    EXPECT_EQ(sampling.SampleCpuLoad(state, average), 75) << "paired with the last good file";
}

TEST(ProcStat, ProcessorsAreMatchedByNumberWhenOneGoesOfflineOrAppears) {
    const std::uint64_t s = ::sysconf(_SC_CLK_TCK); // one second in clock ticks
    struct Step {
        std::vector<Cpu> cpus;
        std::vector<double> loads; // one per processor of the first reading
        const char* what;
    };
    const std::vector<std::vector<Step>> sequences = {
        {
            {{{0, 1000}, {1, 1000}, {2, 1000, 10}, {3, 1000}}, {0, 0, 0, 0}, "first reading"},
            {{{0, 1000 + s / 2}, {1, 1000 + s / 4}, {3, 1000 + s}, {4, 9999}},
             {0.5, 0.75, 0, 0},
             "2 offline, 4 new"},
            // Back with the kernel's counter, which stood still while it was away.
            {{{0, 1000 + s * 3 / 2}, {1, 1000 + s / 4}, {2, 1005, 10}, {3, 1000 + s * 3 / 2}, {4, 9999}},
             {0, 1, 0, 0.5},
             "2 back"},
            {{{0, 1000 + s * 5 / 2}, {1, 1000 + s * 5 / 4}, {2, 1005 + s / 5, 10}, {3, 1000 + s * 5 / 2}},
             {0, 0, 0.8, 0},
             "2 counted again"},
        },
        {
            {{{0, 1000}, {2, 1000}, {3, 1000}}, {0, 0, 0}, "1 offline at the first reading"},
            {{{0, 1000 + s / 4}, {1, 5}, {2, 1000 + s / 2}, {3, 1000 + s}}, {0.75, 0.5, 0}, "1 stays out"},
        },
    };
    for (const auto& steps : sequences) {
        ProcRig rig;
        for (const Step& step : steps)
            expectLoads(rig.loadsAfter(statFile(step.cpus)), step.loads, step.what);
    }
}

TEST(ProcStatOfThisMachine, OneInstancePerOnlineProcessorPlusTotalWithLoadsInRange) {
    CpuSampler sampler(createCpuCounterSource());
    CpuLoadSampling sampling(sampler);
    WatchState state;
    sampling.SampleCpuLoad(state, Settings{});
    const int count = sampler.GetCpuInstanceCount();
    EXPECT_EQ(count, ::sysconf(_SC_NPROCESSORS_ONLN) + 1);

    const auto interval = std::chrono::milliseconds(500);
    std::this_thread::sleep_for(interval);
    sampling.SampleCpuLoad(state, Settings{});
    // Counters move in whole clock ticks, so a load can be off by one tick over the interval.
    const double slack =
        1.0 / ::sysconf(_SC_CLK_TCK) / std::chrono::duration<double>(interval).count() + 0.001;
    for (int i = 0; i < count; ++i) {
        const double load = sampler.GetCpuInstanceLoad(i);
        EXPECT_GE(load, -slack) << "instance " << i;
        EXPECT_LE(load, 1.0 + slack) << "instance " << i;
    }
    EXPECT_GE(state.cpuLoad, 0);
    EXPECT_LE(state.cpuLoad, 100);
}
