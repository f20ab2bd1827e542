// One ride along a line, station by station: the primitive the search index is built from.
#pragma once

#include <cstdint>

#include "model/city_tables.h"
#include "model/station_set.h"

namespace tnx {

enum class TDirection : std::uint8_t { Forward, Backward };

bool OnRingLine(const TCity& city, std::uint8_t station);

// Stations passed and minutes ridden walking from station until target is adjacent.
// False when the walk runs past a line end or round a ring without meeting target.
bool WalkLine(const TCity& city, std::uint8_t station, std::uint8_t target, TDirection direction,
              TStationSet& stations, int& minutes);

// The ride from From to To on From's line, without the wait: both ends and every station
// between, and the riding minutes. Off the ring the direction comes from the drawing:
// towards the neighbour nearer to To. False when the ride is impossible.
bool RideLineWithoutWait(const TCity& city, std::uint8_t from, std::uint8_t to, TDirection direction,
                         TStationSet& stations, int& minutes);

}  // namespace tnx
