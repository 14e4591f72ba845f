#include "sensors/NetworkMeter.h"

#include "settings/Cp1252.h"
#include "platform/IPHelper.h"

#include <algorithm>
#include <exception>
#include <string_view>

namespace vespera {

namespace {

// The description of the loopback interface of systems that give it no type, compared in upper case.
constexpr std::string_view LoopbackDescription = "MS TCP LOOPBACK INTERFACE";
constexpr std::uint32_t BytesPerKb = 1024;

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isLoopback(const TMIBIfRow& row) {
    return row.dwType == TMIBIfRow::TypeSoftwareLoopback ||
           std::ranges::equal(row.description(), LoopbackDescription,
                              [](char a, char b) { return asciiUpper(a) == b; });
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

QString selectorText(std::string_view description) {
    while (!description.empty() && isBlank(description.front()))
        description.remove_prefix(1);
    while (!description.empty() && isBlank(description.back()))
        description.remove_suffix(1);
    return decodeUtf8OrCp1252(QByteArray(description.data(), static_cast<qsizetype>(description.size())));
}

// Unsigned 32-bit arithmetic: a counter that wrapped once since the last tick still gives its delta.
void advance(TInterfaceStat::Direction& direction, std::uint32_t octets) {
    direction.delta = octets - direction.lastOctets;
    direction.total += direction.delta;
    if (direction.delta != 0)
        ++direction.nonzeroTicks;
    direction.lastOctets = octets;
    direction.maxDelta = std::max(direction.maxDelta, direction.delta);
}

// An interface back after an absence may have restarted its counters: they become the new base.
void restart(TInterfaceStat::Direction& direction, std::uint32_t octets) {
    direction.delta = 0;
    direction.lastOctets = octets;
}

int loadOf(const TInterfaceStat& stat) {
    const std::uint32_t larger = stat.out.delta < stat.in.delta ? stat.in.delta : stat.out.delta;
    return static_cast<int>(larger / BytesPerKb);
}

} // namespace

NetworkMeter::NetworkMeter(IPHelper& helper) : helper_(helper) {}

int NetworkMeter::selectedEntry() const {
    return networkcard_ >= 0 && networkcard_ < names_.size() ? networkcard_ : -1;
}

int NetworkMeter::selectedRow() const {
    const int entry = selectedEntry();
    return entry < 0 ? -1 : listToRow_[static_cast<std::size_t>(entry)];
}

void NetworkMeter::RefreshInterfaces(bool list) {
    if (!list)
        measuring_ = false;
    try {
        helper_.ReadInterfaceTable(table_);
        if (list)
            ListInterfaces(table_);
        else
            MeasureInterfaces(table_);
    } catch (const std::exception&) {
        if (list)
            clearList();
    }
}

// Every row gets a statistics entry based on its current counters; every row but the loopback ones
// gets a selector entry.
void NetworkMeter::ListInterfaces(const TMIBIfArray& table) {
    clearList();
    listed_ = table;
    stats_.assign(table.size(), {});
    seenTick_.assign(table.size(), tick_);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TMIBIfRow& row = table[i];
        stats_[i].in.lastOctets = row.dwInOctets;
        stats_[i].out.lastOctets = row.dwOutOctets;
        if (isLoopback(row))
            continue;
        names_.append(selectorText(row.description()));
        listToRow_.push_back(static_cast<int>(i));
    }
}

void NetworkMeter::MeasureInterfaces(const TMIBIfArray& table) {
    measuring_ = false;
    if (table.empty())
        return;
    const int row = selectedRow();
    const bool seenLastTick = row >= 0 && seenTick_[static_cast<std::size_t>(row)] == tick_;
    ++tick_;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int entry = entryFor(table[i], i);
        if (entry >= 0)
            count(static_cast<std::size_t>(entry), table[i]);
    }
    for (std::size_t entry = 0; entry < stats_.size(); ++entry) {
        if (seenTick_[entry] != tick_)
            stats_[entry].in.delta = stats_[entry].out.delta = 0;
    }
    if (row >= 0) {
        netLoad_ = loadOf(stats_[static_cast<std::size_t>(row)]);
        measuring_ = seenLastTick && seenTick_[static_cast<std::size_t>(row)] == tick_;
    }
    scale_.show(netLoad_);
}

// The listed interface a row belongs to: the one at the same position when the descriptions agree (the
// table is as it was), else the first one of that description not yet counted in this tick.
int NetworkMeter::entryFor(const TMIBIfRow& row, std::size_t position) const {
    const auto matches = [&](std::size_t entry) {
        return seenTick_[entry] != tick_ && listed_[entry].description() == row.description();
    };
    if (position < listed_.size() && matches(position))
        return static_cast<int>(position);
    for (std::size_t entry = 0; entry < listed_.size(); ++entry) {
        if (matches(entry))
            return static_cast<int>(entry);
    }
    return -1;
}

void NetworkMeter::count(std::size_t entry, const TMIBIfRow& row) {
    TInterfaceStat& stat = stats_[entry];
    if (seenTick_[entry] + 1 == tick_) {
        advance(stat.in, row.dwInOctets);
        advance(stat.out, row.dwOutOctets);
    } else {
        restart(stat.in, row.dwInOctets);
        restart(stat.out, row.dwOutOctets);
    }
    seenTick_[entry] = tick_;
}

void NetworkMeter::clearList() {
    names_.clear();
    listToRow_.clear();
    listed_.clear();
    stats_.clear();
    seenTick_.clear();
}

} // namespace vespera
