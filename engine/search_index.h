// Everything about a city that the search can work out once instead of per query:
// every ride between two stations of a line, and the fewest transfers between lines.
#pragma once

#include <cstdint>

#include "model/city_tables.h"
#include "model/station_set.h"

namespace tnx {

struct TRideEntry {
    TStationSet Stations;  // both ends and every station between
    std::uint8_t Minutes;  // riding minutes, no wait
    bool Possible;
    bool ZeroLength;  // from equals to: no train, no wait
};

struct TSearchIndex {
    // Rides[from][to][direction]; off the ring both directions hold the same ride.
    TRideEntry Rides[kMaxStations + 1][kMaxStations + 1][2];
    // Least transfers from a line to another; 255 when unreachable.
    std::uint8_t MinChanges[kMaxLines + 1][kMaxLines + 1];
};

// Fills index from city, which must have passed CheckCityTables. Everything is
// derived from the station and transfer tables.
void BuildSearchIndex(const TCity& city, TSearchIndex& index);

}  // namespace tnx
