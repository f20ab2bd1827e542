// Lower bounds, waits included, on the minutes a partial route still needs from the
// station a transfer arrived at to the end: rides as the search makes them (only
// possible ones, each of non-zero length waiting once for its line's train) and
// walks. Worked out per end station on first use and kept until the city or the wait
// table changes.
#pragma once

#include <cstdint>

#include "model/city_tables.h"

namespace tnx {

struct TSearchIndex;

struct TWaitBounds {
    struct Edge {
        std::uint8_t From;
        std::uint8_t Minutes;
    };
    static constexpr int kMaxTransfers = kMaxLines * kMaxLines * 2;
    // Stations grouped by line: a ride can end at a station from any of its line.
    std::uint16_t LineStart[kMaxLines + 2];
    std::uint8_t LineStations[kMaxStations];
    std::uint16_t TransferStart[kMaxStations + 2];
    Edge Transfers[kMaxTransfers];  // stations whose transfer arrives at a station

    // Dijkstra's queue: each station pops once, pushing each ride to it (both ways
    // round) or walk to it at most once.
    struct HeapEntry {
        std::uint32_t Distance;
        std::uint16_t Node;
    };
    static constexpr int kMaxPushes = 2 * kMaxStations * kMaxStations + kMaxTransfers + 2 * (kMaxStations + 1);
    HeapEntry Heap[kMaxPushes];

    bool HaveWaits = false;
    TWaitTable Waits{};
    bool Ready[kMaxStations + 1];
    std::uint16_t ToFinish[kMaxStations + 1][kMaxStations + 1];  // [finish][station], 0xFFFF: none
};

// Resets bounds for city's tables (at index build).
void PrepareWaitBounds(const TCity& city, TWaitBounds& bounds);

// Bounds to finish for every station under city's effective wait table; index is the
// city's search index.
const std::uint16_t* WaitBoundsTo(const TCity& city, const TSearchIndex& index, TWaitBounds& bounds,
                                  std::uint8_t finish);

}  // namespace tnx
