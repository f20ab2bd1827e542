// Checks of what the route search takes for granted, run on the packed tables
// with the engine's own ride: rides go the right way and no station is cut off.
#pragma once

#include "city/pack/pack_errors.h"
#include "city/source/city_source.h"
#include "model/city_format.h"

namespace tnx::city {

// Off the ring, a ride heads for the neighbour drawn nearer to its target; a line
// drawn so that this leads away from a station of the line strands that ride.
// One message per station that strands a ride, naming the targets missed.
void CheckRideDirections(const CitySource& source, const TStationTable& stations, const TTransferTable& changes,
                         PackErrors& errors);

// Every station must be reachable from every other over links and transfers.
// One message per group of stations cut off from station 1.
void CheckReachability(const CitySource& source, const TTransferTable& changes, PackErrors& errors);

}  // namespace tnx::city
