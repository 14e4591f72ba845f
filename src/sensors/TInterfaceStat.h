#pragma once

#include <cstdint>
#include <vector>

namespace vespera {

// The traffic statistics of one interface, per direction. Every field is unsigned 32-bit and counts
// modulo 2^32.
struct TInterfaceStat {
    struct Direction {
        std::uint32_t nonzeroTicks = 0; // ticks with a non-zero delta
        std::uint32_t lastOctets = 0;   // the counter at the previous tick
        std::uint32_t total = 0;        // sum of the deltas
        std::uint32_t delta = 0;        // octets since the previous tick
        std::uint32_t maxDelta = 0;     // largest delta seen

        bool operator==(const Direction&) const = default;
    };

    Direction in;
    Direction out;

    bool operator==(const TInterfaceStat&) const = default;
};

// One entry per row of the interface table as it was listed, same index.
using TStatArr = std::vector<TInterfaceStat>;

} // namespace vespera
