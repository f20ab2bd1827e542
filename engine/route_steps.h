// How to travel a stored route: its rides and transfers in order. A TRoute keeps only
// sets and totals, so the steps are traced again from the endpoints and the tables,
// for the few listed routes and never inside the search.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "engine/line_ride.h"
#include "engine/route.h"
#include "model/city_tables.h"

namespace tnx {

struct TRideStep {
    std::uint8_t Line = 0;
    std::vector<std::uint8_t> Stations;          // boarding station first, alighting station last
    TDirection Direction = TDirection::Forward;  // along the Next or the Prev links
    // The last station in operation on the way on from the alighting station, or the
    // line's end where there is none; 0 on a line without ends (the ring).
    std::uint8_t Toward = 0;
    std::uint8_t Minutes = 0;  // riding
    std::uint8_t Wait = 0;     // the line's effective wait
};

struct TTransferStep {
    std::uint8_t From = 0;
    std::uint8_t To = 0;
    std::uint8_t Minutes = 0;
};

using TRouteStep = std::variant<TRideStep, TTransferStep>;
using TRouteSteps = std::vector<TRouteStep>;

// The steps of route as the search stored it from start to finish with the wait table
// waits. Rides of length zero cost nothing and are left out. Empty when no walk of the
// search from start to finish gives exactly this record.
std::optional<TRouteSteps> RouteSteps(const TCity& city, const TWaitTable& waits, std::uint8_t start,
                                      std::uint8_t finish, const TRoute& route);

// Where a ride that alights at station in direction is heading (see TRideStep::Toward).
std::uint8_t TowardStation(const TCity& city, std::uint8_t station, TDirection direction);

}  // namespace tnx
