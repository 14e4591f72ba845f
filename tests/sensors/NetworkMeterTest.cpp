#include <gtest/gtest.h>

#include "platform/linux/ProcNetDevIPHelper.h"
#include "sensors/NetworkMeter.h"

#include <QDir>

#include <algorithm>

using namespace vespera;

namespace {

// The recorded tables of one case (tests/data/net-dev/<case>/0, 1, ...), one per reading; the last
// one repeats.
class RecordedTables : public IPHelper {
public:
    explicit RecordedTables(const char* name) {
        const QString folder = QStringLiteral(VESPERA_TEST_DATA "/net-dev/") + QLatin1String(name);
        for (int i = 0; QDir(folder + QStringLiteral("/%1").arg(i)).exists(); ++i) {
            const QString tree = folder + QStringLiteral("/%1").arg(i); // proc and sys folder in one
            readers_.emplace_back(tree, tree);
        }
    }
    void ReadInterfaceTable(TMIBIfArray& table) override {
        readers_.at(std::min(next_++, readers_.size() - 1)).ReadInterfaceTable(table);
    }

private:
    std::vector<ProcNetDevIPHelper> readers_;
    std::size_t next_ = 0;
};

// A meter started the way the main window starts it: scale, stored selection, then the listing.
struct Recorded {
    explicit Recorded(const char* name, int networkcard = 0, int netThreshold = 0)
        : tables(name), meter(tables) {
        meter.startScale(netThreshold);
        meter.setNetworkCard(networkcard);
        meter.RefreshInterfaces(true);
    }
    int tick() {
        meter.RefreshInterfaces(false);
        return meter.NetLoad();
    }
    RecordedTables tables;
    NetworkMeter meter;
};

TMIBIfRow row(std::string_view description, std::uint32_t in, std::uint32_t out) {
    TMIBIfRow r;
    r.setDescription(description);
    r.dwInOctets = in;
    r.dwOutOctets = out;
    return r;
}

// A meter fed with tables built in the test.
class NoTable : public IPHelper {
public:
    void ReadInterfaceTable(TMIBIfArray& table) override { table.clear(); }
};

} // namespace

// Loopback is left out by its mixed-case description and by the kernel's mark.
TEST(NetworkMeter, ListsAllButLoopbackRowsAndMeasuresThroughTheMap) {
    for (const char* recorded : {"loopback", "kernel-loopback"})
        EXPECT_EQ(Recorded(recorded).meter.interfaceNames(), (QStringList{"eth0", "wlan0"})) << recorded;
    Recorded r("loopback");
    EXPECT_EQ(r.meter.listToRow(), (std::vector<int>{1, 2}));
    ASSERT_EQ(r.meter.statistics().size(), 3u);
    EXPECT_EQ(r.tick(), 3); // entry 0 is the table's second row: 3072 in, 1024 out
    EXPECT_EQ(r.meter.statistics()[0].in.delta, 5000u);
    EXPECT_EQ(r.meter.statistics()[2].in.delta, 10240u);
}

TEST(NetworkMeter, ShowsDescriptionsWithoutTheBlanksAround) {
    Recorded r("blanks");
    EXPECT_EQ(r.meter.interfaceNames(), (QStringList{"lo", "eth0", "Realtek PCIe GbE"}));

    NoTable none;
    NetworkMeter meter(none);
    meter.ListInterfaces({row("  eth0 \t", 0, 0), row(" MS TCP Loopback interface", 0, 0),
                          row("ms tcp loopback interface", 0, 0), row("", 0, 0)});
    // Only the exact description, in any case, is left out; blanks count.
    EXPECT_EQ(meter.interfaceNames(), (QStringList{"eth0", "MS TCP Loopback interface", ""}));
    EXPECT_EQ(meter.listToRow(), (std::vector<int>{0, 1, 3}));
}

TEST(NetworkMeter, CountsAcrossACounterWrap) {
    Recorded r("wrap");
    r.tick();
    const TInterfaceStat& eth0 = r.meter.statistics()[0];
    EXPECT_EQ(eth0.in.delta, 796u);
    EXPECT_EQ(eth0.out.delta, 796u);
    EXPECT_EQ(eth0.in.total, 796u);
    EXPECT_EQ(eth0.in.lastOctets, 500u);
}

TEST(NetworkMeter, TakesTheLargerDirectionInWholeKb) {
    Recorded r("deltas", 1);
    EXPECT_EQ(r.tick(), 1); // 2047 in, 1024 out
    EXPECT_EQ(r.tick(), 1); // 1024 both ways

    const struct {
        std::uint32_t in, out;
        int load;
    } cases[] = {{0, 0, 0},           {1023, 1023, 0},           {1023, 5 * 1024, 5},
                 {5 * 1024, 1023, 5}, {4294967295u, 0, 4194303}, {0, 4294967295u, 4194303}};
    for (const auto& c : cases) {
        NoTable none;
        NetworkMeter meter(none);
        meter.ListInterfaces({row("eth0", 100, 100)});
        meter.MeasureInterfaces({row("eth0", 100 + c.in, 100 + c.out)});
        EXPECT_EQ(meter.NetLoad(), c.load) << c.in << '/' << c.out;
    }
}

TEST(NetworkMeter, KeepsEveryFieldOfEveryRow) {
    NoTable none;
    NetworkMeter meter(none);
    meter.setNetworkCard(0);
    meter.ListInterfaces({row("eth0", 0, 0), row("wlan0", 1000, 50)});
    meter.MeasureInterfaces({row("eth0", 0, 0), row("wlan0", 1300, 50)});
    meter.MeasureInterfaces({row("eth0", 0, 0), row("wlan0", 1400, 80)});
    meter.MeasureInterfaces({row("eth0", 0, 0), row("wlan0", 1400, 80)});
    const TInterfaceStat& wlan0 = meter.statistics()[1];
    EXPECT_EQ(wlan0.in, (TInterfaceStat::Direction{2, 1400, 400, 0, 300}));
    EXPECT_EQ(wlan0.out, (TInterfaceStat::Direction{1, 80, 30, 0, 30}));
    EXPECT_EQ(meter.statistics()[0], TInterfaceStat{});
}

TEST(NetworkMeter, RaisesTheScaleWithTheLoad) {
    Recorded r("scale", 1);
    const NetworkScale& scale = r.meter.scale();
    EXPECT_EQ(scale.NetScaleMax(), 10);
    EXPECT_EQ(scale.label(), "100 kb/s");
    EXPECT_EQ(r.tick(), 25);
    EXPECT_EQ(scale.NetScaleMax(), 25);
    // Gauge, slider and label stay at 1..100: lowering them would move a threshold set above 25.
    EXPECT_EQ(scale.label(), "100 kb/s");
    EXPECT_EQ(scale.gaugeMaximum(), 100);
    EXPECT_EQ(scale.gaugeValue(), 25);
    EXPECT_EQ(scale.sliderMaximum(), 100);
    EXPECT_EQ(scale.tickFrequency(), std::nullopt);
    EXPECT_EQ(r.tick(), 0);
    EXPECT_EQ(scale.NetScaleMax(), 25);
}

TEST(NetworkMeter, MeasuresNothingForAStoredEntryOutsideTheList) {
    Recorded r("deltas", 5);
    EXPECT_EQ(r.meter.interfaceNames().size(), 2);
    EXPECT_EQ(r.meter.selectedEntry(), -1);
    EXPECT_EQ(r.tick(), 0);
    EXPECT_EQ(r.meter.statistics()[1].in.delta, 2047u); // the statistics go on all the same
    r.meter.setNetworkCard(1);
    EXPECT_EQ(r.tick(), 1);
}

TEST(NetworkMeter, AChangedSelectionKeepsStatisticsScaleAndLoadUntilTheNextTick) {
    NoTable none;
    NetworkMeter meter(none);
    meter.ListInterfaces({row("eth0", 0, 0), row("wlan0", 0, 0)});
    meter.MeasureInterfaces({row("eth0", 40 * 1024, 0), row("wlan0", 2048, 0)});
    EXPECT_EQ(meter.NetLoad(), 40);
    meter.setNetworkCard(1);
    EXPECT_EQ(meter.NetLoad(), 40);
    EXPECT_EQ(meter.scale().NetScaleMax(), 40);
    EXPECT_EQ(meter.statistics()[0].in.total, 40u * 1024);
    meter.MeasureInterfaces({row("eth0", 40 * 1024, 0), row("wlan0", 5120, 0)});
    EXPECT_EQ(meter.NetLoad(), 3);
    EXPECT_EQ(meter.scale().NetScaleMax(), 40);
}

TEST(NetworkMeter, AnUnreadableTableChangesNothing) {
    NoTable none;
    NetworkMeter meter(none);
    meter.ListInterfaces({row("eth0", 0, 0)});
    meter.MeasureInterfaces({row("eth0", 3072, 0)});
    const TStatArr before = meter.statistics();
    meter.RefreshInterfaces(false);
    EXPECT_EQ(meter.NetLoad(), 3);
    EXPECT_EQ(meter.statistics(), before);
    meter.MeasureInterfaces({row("eth0", 3072 + 4096, 0)}); // the delta spans both seconds
    EXPECT_EQ(meter.NetLoad(), 4);
}

TEST(NetworkMeter, FollowsTheChosenInterfaceWhileOthersComeAndGo) {
    Recorded r("hotplug", 2);
    ASSERT_EQ(r.meter.interfaceNames(), (QStringList{"lo", "eth0", "wlan0"}));
    const struct {
        const char* table;
        int wlan0Load;
        std::uint32_t eth0In;
    } ticks[] = {
        {"1: all there", 10, 0},           {"2: eth0 gone, wlan0 moved up", 20, 0},
        {"3: usb0 new, not listed", 3, 0}, {"4: eth0 back with restarted counters", 0, 0},
        {"5: wlan0 gone", 0, 4096},        {"6: wlan0 back with restarted counters", 0, 0},
        {"7: wlan0 counts again", 6, 0},
    };
    for (const auto& t : ticks) {
        EXPECT_EQ(r.tick(), t.wlan0Load) << t.table;
        EXPECT_EQ(r.meter.statistics()[1].in.delta, t.eth0In) << t.table;
    }
    EXPECT_EQ(r.meter.interfaceNames().size(), 3);
    EXPECT_EQ(r.meter.scale().NetScaleMax(), 20); // no restarted counter was read as a wrap
}
