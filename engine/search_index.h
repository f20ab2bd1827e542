// Everything about a city that the search can work out once instead of per query:
// every ride between two stations of a line, and lower bounds on what is left of a
// route from a station to the end.
#pragma once

#include <cstdint>

#include "model/city_tables.h"
#include "model/station_set.h"

namespace tnx {

struct TRideEntry {
    TStationSet Stations;   // both ends and every station between
    std::uint8_t Minutes;   // riding minutes, no wait
    bool Possible;
    bool ZeroLength;        // from equals to: no train, no wait
};

struct TSearchIndex {
    // Rides[from][to][direction]; off the ring both directions hold the same ride.
    TRideEntry Rides[kMaxStations + 1][kMaxStations + 1][2];
    // Least minutes of riding and walking from a station to another, waits left out;
    // 0xFFFF when unreachable.
    std::uint16_t MinMinutes[kMaxStations + 1][kMaxStations + 1];
    // Least transfers from a line to another; 255 when unreachable.
    std::uint8_t MinChanges[kMaxLines + 1][kMaxLines + 1];
};

// Fills index from city, which must have passed CheckCityTables. Everything is
// derived from the station and transfer tables.
void BuildSearchIndex(const TCity& city, TSearchIndex& index);

}  // namespace tnx
