// Lower bounds, waits included, on the minutes a partial route still needs from the
// station a transfer arrived at to the end: every ride of non-zero length waits once
// for its line's train. Worked out per end station on first use and kept until the
// city or the wait table changes.
#pragma once

#include <cstdint>

#include "model/city_tables.h"

namespace tnx {

struct TWaitBounds {
    // Predecessors in the graph of platforms and trains, from the city's tables.
    struct Edge {
        std::uint8_t From;
        std::uint8_t Minutes;
    };
    static constexpr int kMaxHops = 2 * kMaxStations;
    static constexpr int kMaxTransfers = kMaxLines * kMaxLines * 2;
    std::uint16_t HopStart[kMaxStations + 2];
    Edge Hops[kMaxHops];  // trains that reach a station's train by one hop
    std::uint16_t TransferStart[kMaxStations + 2];
    Edge Transfers[kMaxTransfers];  // platforms that reach a station's platform on foot

    bool HaveWaits = false;
    TWaitTable Waits{};
    bool Ready[kMaxStations + 1];
    std::uint16_t ToFinish[kMaxStations + 1][kMaxStations + 1];  // [finish][station], 0xFFFF: none
};

// Resets bounds for city's tables (at index build).
void PrepareWaitBounds(const TCity& city, TWaitBounds& bounds);

// Bounds to finish for every station under city's effective wait table.
const std::uint16_t* WaitBoundsTo(const TCity& city, TWaitBounds& bounds, std::uint8_t finish);

}  // namespace tnx
