// Lower bounds, waits included, on the minutes a partial route still needs from the
// station a transfer arrived at to the end: rides as the search makes them (only
// possible ones, each of non-zero length waiting once for its line's train) and
// walks. The graph they walk depends on the city alone and is built with its search
// data; the bounds depend on the wait table too and are worked out per end station
// on first use, in the search's working state.
#pragma once

#include <array>
#include <cstdint>

#include "model/city_tables.h"

namespace tnx {

class TSearchData;

struct TBoundGraph {
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
};

struct TWaitBounds {
    // Dijkstra's queue: each station pops once, pushing each ride to it (both ways
    // round) or walk to it at most once.
    struct HeapEntry {
        std::uint32_t Distance;
        std::uint16_t Node;
    };
    static constexpr int kMaxPushes =
        2 * kMaxStations * kMaxStations + TBoundGraph::kMaxTransfers + 2 * (kMaxStations + 1);
    std::array<HeapEntry, kMaxPushes> Heap;

    // The search data and the wait table the bounds below were worked out for.
    std::uint64_t DataSerial = 0;
    TWaitTable Waits{};
    bool Ready[kMaxStations + 1];
    std::uint16_t ToFinish[kMaxStations + 1][kMaxStations + 1];  // [finish][station], 0xFFFF: none
};

// Fills graph from city's tables (at the build of its search data).
void BuildBoundGraph(const TCity& city, TBoundGraph& graph);

// Bounds to finish for every station of data's city under waits; bounds keeps them
// until it is asked for another city's data or another wait table.
const std::uint16_t* WaitBoundsTo(const TSearchData& data, const TWaitTable& waits, TWaitBounds& bounds,
                                  std::uint8_t finish);

}  // namespace tnx
