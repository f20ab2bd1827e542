// One ride along a line, station by station: the primitive the search index is built from.
#pragma once

#include <array>
#include <cstdint>

#include "model/city_tables.h"
#include "model/station_set.h"

namespace tnx {

enum class TDirection : std::uint8_t { Forward, Backward };

bool OnRingLine(const TCity& city, std::uint8_t station);

// Stations passed and minutes ridden walking from station until target is adjacent.
// False when the walk runs past a line end or round a ring without meeting target.
bool WalkLine(const TCity& city, std::uint8_t station, std::uint8_t target, TDirection direction, TStationSet& stations,
              int& minutes);

// A ride in travel order: boarding station first, alighting station last.
struct TRidePath {
    // A walk passes each station at most once before it meets its target.
    std::array<std::uint8_t, kMaxStations + 2> Stations{};
    int Count = 0;
    int Minutes = 0;  // riding, no wait
    // The side the ride went: Next (forward) or Prev links. Between neighbours the
    // link says which, Next first; a ride of length zero keeps the argument.
    TDirection Direction = TDirection::Forward;
};

// The ride from From to To on From's line, without the wait. Off the ring the direction
// comes from the drawing: towards the neighbour nearer to To. False when the ride is
// impossible.
bool RideLinePath(const TCity& city, std::uint8_t from, std::uint8_t to, TDirection direction, TRidePath& path);

// The same ride as a set: both ends and every station between, and the riding minutes.
bool RideLineWithoutWait(const TCity& city, std::uint8_t from, std::uint8_t to, TDirection direction,
                         TStationSet& stations, int& minutes);

}  // namespace tnx
