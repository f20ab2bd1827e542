// A route as the search stores it, and the route list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/station_set.h"

namespace tnx {

struct TRoute {
    TStationSet Stations;        // every station passed, both ends included
    TStationSet ChangeStations;  // both stations of every transfer made
    TLineSet Lines;              // while searching: lines ridden before the current one
    std::uint8_t Time;           // minutes: riding, waiting, walking
    std::uint8_t Changes;        // transfers
};

static_assert(sizeof(TRoute) == 68);
static_assert(offsetof(TRoute, Stations) == 0);
static_assert(offsetof(TRoute, ChangeStations) == 32);
static_assert(offsetof(TRoute, Lines) == 64);
static_assert(offsetof(TRoute, Time) == 66);
static_assert(offsetof(TRoute, Changes) == 67);

constexpr int kRouteCapacity = 65000;
constexpr int kListedRoutes = 10;

// Records are numbered from 1: Route(1) is Routes[0]. Large: allocate it once, on the heap.
struct TRouteList {
    std::array<TRoute, kRouteCapacity> Routes;
    std::uint16_t RouteCount = 0;
    std::uint8_t BestTime = 255;  // least Time stored by the running search

    TRoute& Route(int n) { return Routes[static_cast<std::size_t>(n - 1)]; }
    const TRoute& Route(int n) const { return Routes[static_cast<std::size_t>(n - 1)]; }
};

// Room for a whole list, for the ranking's sorts.
using TRouteScratch = std::array<TRoute, kRouteCapacity>;

}  // namespace tnx
