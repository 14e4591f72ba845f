#include <gtest/gtest.h>

#include "platform/linux/ProcNetDevIPHelper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

using namespace vespera;

namespace {

const QString Data = QStringLiteral(VESPERA_TEST_DATA "/net-dev/");

const std::string Header =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets "
    "errs drop fifo colls carrier compressed\n";

std::string counters(const std::string& rx, const std::string& tx) {
    return rx + " 1 0 0 0 0 0 0 " + tx + " 1 0 0 0 0 0 0";
}

// A proc folder of its own with the given "net/dev".
class ProcFolder {
public:
    explicit ProcFolder(const std::string& netDev) {
        QDir(dir_.path()).mkpath(QStringLiteral("net"));
        QFile file(dir_.filePath(QStringLiteral("net/dev")));
        if (file.open(QIODevice::WriteOnly))
            file.write(netDev.data(), static_cast<qint64>(netDev.size()));
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

struct Row {
    std::string description;
    std::uint32_t in;
    std::uint32_t out;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.description << ' ' << row.in << '/' << row.out;
}

std::vector<Row> rowsOf(const TMIBIfArray& table) {
    std::vector<Row> rows;
    for (const TMIBIfRow& row : table)
        rows.push_back({std::string(row.description()), row.dwInOctets, row.dwOutOctets});
    return rows;
}

std::vector<Row> read(const QString& procRoot) {
    ProcNetDevIPHelper helper(procRoot, procRoot);
    TMIBIfArray table(3); // whatever the caller held is dropped
    helper.ReadInterfaceTable(table);
    return rowsOf(table);
}

} // namespace

TEST(IPHelper, ReadsTheKernelsTableInItsOrder) {
    EXPECT_EQ(read(Data + "recorded"), (std::vector<Row>{
                                           {"lo", 3267, 3267},
                                           {"ifb0", 0, 0},
                                           {"ifb1", 0, 0},
                                           {"eth0", 83217266, 71788},
                                       }));
    // 4294967000 and 4 * 2^32 + 500: the low 32 bits.
    EXPECT_EQ(read(Data + "wrap/0"), (std::vector<Row>{{"eth0", 4294967000u, 4294967000u}}));
    EXPECT_EQ(read(Data + "wrap/1"), (std::vector<Row>{{"eth0", 500, 500}}));
    EXPECT_EQ(read(Data + "blanks/0").back().description, "Realtek PCIe GbE");
    const ProcFolder largest(Header + "eth0:" + counters("18446744073709551615", "0") + "\n");
    EXPECT_EQ(read(largest.path()), (std::vector<Row>{{"eth0", 4294967295u, 0}}));
}

TEST(IPHelper, GivesAnEmptyTableForAMissingOrMalformedFile) {
    const std::string good = "  eth0: " + counters("10", "20") + "\n";
    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty file", ""},
        {"heading only", Header},
        {"second heading line missing", Header.substr(0, Header.find('\n') + 1) + good},
        {"foreign heading", "face bytes\n\n" + good},
        {"no colon", Header + good + "  eth1 " + counters("1", "2") + "\n"},
        {"no name", Header + good + "  : " + counters("1", "2") + "\n"},
        {"fifteen counters", Header + good + "eth1: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n"},
        {"seventeen counters", Header + good + "eth1: " + counters("1", "2") + " 17\n"},
        {"letter in a counter", Header + good + "eth1: " + counters("1x", "2") + "\n"},
        {"negative counter", Header + good + "eth1: " + counters("-1", "2") + "\n"},
        {"counter above 64 bits", Header + good + "eth1: " + counters("18446744073709551616", "2") + "\n"},
        {"unused counter above 64 bits",
         Header + good + "eth1: 1 2 3 4 5 6 7 18446744073709551616 9 10 11 12 13 14 15 16\n"},
        {"empty line", Header + good + "\n" + good},
        {"line cut off", Header + good + "eth1: 1 2 3"},
        {"name too long", Header + std::string(300, 'n') + ": " + counters("1", "2") + "\n"},
    };
    for (const auto& c : cases) {
        ProcFolder proc(c.content);
        EXPECT_EQ(read(proc.path()), std::vector<Row>{}) << c.what;
    }
    EXPECT_EQ(read(QStringLiteral("/nonexistent-proc")), std::vector<Row>{});
}

TEST(IPHelper, ReadsATableLargerThanItsFirstBuffer) {
    std::string content = Header;
    for (int i = 0; i < 400; ++i)
        content += "veth" + std::to_string(i) + ": " + counters(std::to_string(i), "7") + "\n";
    content += "last: " + counters("1", "2"); // no line end after the last line
    ProcFolder proc(content);
    ProcNetDevIPHelper helper(proc.path(), proc.path());
    TMIBIfArray table;
    helper.ReadInterfaceTable(table);
    ASSERT_EQ(table.size(), 401u);
    EXPECT_EQ(rowsOf(table)[399], (Row{"veth399", 399, 7}));
    EXPECT_EQ(rowsOf(table)[400], (Row{"last", 1, 2}));
    EXPECT_GT(helper.bufferSize(), content.size());
}
