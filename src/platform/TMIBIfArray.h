#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vespera {

// One row of the system's interface table: the interface's description, its type and its two octet
// counters.
// The counters are unsigned 32-bit and wrap at 2^32, so the difference of two readings taken less than
// one wrap apart is the traffic between them. The row has a fixed size, so a table that is refilled
// each second reuses its storage.
struct TMIBIfRow {
    static constexpr std::size_t MaxDescrLen = 256;
    static constexpr std::uint32_t TypeOther = 1;
    static constexpr std::uint32_t TypeSoftwareLoopback = 24;

    std::uint32_t dwDescrLen = 0; // length of the description including its terminating zero byte
    char bDescr[MaxDescrLen] = {};
    std::uint32_t dwType = TypeOther;
    std::uint32_t dwInOctets = 0;
    std::uint32_t dwOutOctets = 0;

    // The first dwDescrLen - 1 bytes of bDescr; empty for a length of 0, cut at the field's end.
    std::string_view description() const {
        const std::size_t length = dwDescrLen > 0 ? std::min<std::size_t>(dwDescrLen - 1, MaxDescrLen) : 0;
        return {bDescr, length};
    }

    // Stores a description with its terminating zero. False, and the row unchanged, when it is too long.
    bool setDescription(std::string_view text) {
        if (text.size() >= MaxDescrLen)
            return false;
        std::copy(text.begin(), text.end(), bDescr);
        bDescr[text.size()] = '\0';
        dwDescrLen = static_cast<std::uint32_t>(text.size() + 1);
        return true;
    }
};

// The interface table, one row per interface in the order the system lists them. clear() keeps the
// storage, so refilling a table of the same size allocates nothing.
using TMIBIfArray = std::vector<TMIBIfRow>;

} // namespace vespera
