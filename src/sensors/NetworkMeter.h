#pragma once

#include "platform/TMIBIfArray.h"
#include "sensors/NetworkScale.h"
#include "sensors/TInterfaceStat.h"

#include <QStringList>

#include <cstdint>
#include <vector>

namespace vespera {

class IPHelper;

// The network throughput meter. At start-up it lists the interfaces for the selector (ComboBox2) and
// takes their counters; every second after that it measures the selected interface: NetLoad is the
// larger direction of the last second in whole kb/s (1024 bytes, the one-second timer taken as exactly
// one second), the outgoing one on a tie. Every interface's statistics are kept up, listed or not.
//
// The list is built once. Rows of later tables are matched to the listed interfaces by description, so
// a table that gains, loses or reorders rows never makes the meter measure another interface than the
// chosen one. An interface that is missing from a table measures 0; when it comes back its counters are
// taken afresh (they may have restarted) and its traffic counts from the tick after. An interface that
// was not there at start-up is not listed and not measured. A table that cannot be read changes nothing.
class NetworkMeter {
public:
    explicit NetworkMeter(IPHelper& helper);

    // The scale at start-up from the stored network threshold (net_taskbar).
    void startScale(int netThreshold) { scale_.start(netThreshold); }

    // The selector's entry (the setting networkcard). Kept as given; an index outside the list selects
    // nothing, and NetLoad then keeps its value.
    void setNetworkCard(int entry) { networkcard_ = entry; }
    // The selected entry, or -1 when the index is outside the list.
    int selectedEntry() const;

    // Reads the interface table, then lists (true) or measures (false). A failure while listing leaves
    // the list empty; a failure while measuring leaves every value as it was.
    void RefreshInterfaces(bool list);
    void ListInterfaces(const TMIBIfArray& table);
    void MeasureInterfaces(const TMIBIfArray& table);

    // The selector's entries: the descriptions without leading and trailing blanks, loopback interfaces
    // left out: rows of the loopback type, and the one of the literal description "MS TCP Loopback
    // interface" (any case).
    const QStringList& interfaceNames() const { return names_; }
    // For each selector entry, the row of the listed table it was built from.
    const std::vector<int>& listToRow() const { return listToRow_; }
    // One entry per row of the listed table.
    const TStatArr& statistics() const { return stats_; }

    int NetLoad() const { return netLoad_; }
    // The last tick measured the selected interface: it was in this table and in the one before, so
    // NetLoad is its traffic of that second. False after a failed read, for a missing interface, or
    // with nothing selected.
    bool measuring() const { return measuring_; }
    const NetworkScale& scale() const { return scale_; }

private:
    int selectedRow() const;
    int entryFor(const TMIBIfRow& row, std::size_t position) const;
    void count(std::size_t entry, const TMIBIfRow& row);
    void clearList();

    IPHelper& helper_;
    TMIBIfArray table_;
    TMIBIfArray listed_; // the table as listed: the descriptions rows are matched by
    TStatArr stats_;
    std::vector<std::uint64_t> seenTick_; // the last tick each listed interface was in the table
    std::uint64_t tick_ = 0;              // counts the tables that had rows
    QStringList names_;
    std::vector<int> listToRow_;
    int networkcard_ = 0;
    int netLoad_ = 0;
    bool measuring_ = false;
    NetworkScale scale_;
};

} // namespace vespera
