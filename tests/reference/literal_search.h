// The route search and ranking written out step by step, as plainly as they are
// defined: recursive walks, neighbour-swapping sorts, record-shifting removals.
// Slow on purpose; the production engine must give exactly what this gives.
#pragma once

#include <cstdint>

#include "engine/route.h"
#include "engine/route_ranking.h"
#include "model/city_tables.h"

namespace tnx::reference {

class LiteralSearch {
public:
    // capacity lowers the list's limit of kRouteCapacity records, as in the production search.
    LiteralSearch(const TCity& city, TRouteList& list, std::uint8_t changesDiff, std::uint8_t timeDiff,
                  int capacity = kRouteCapacity)
        : city_(city), list_(list), changesDiff_(changesDiff), timeDiff_(timeDiff),
          capacity_(capacity < kRouteCapacity ? capacity : kRouteCapacity) {}

    // Stores every route in storing order; no ranking.
    void FindRoutes(std::uint8_t start, std::uint8_t finish);
    std::uint64_t Visited() const { return visited_; }

private:
    enum Direction { kForward, kBackward };
    // Time holds 255 for an impossible ride; the search never lets 255 through.
    struct Ride {
        TRoute route;
        int time;
    };

    void SearchFrom(std::uint8_t station, std::uint8_t finish, TRoute route);
    Ride RideLine(std::uint8_t from, std::uint8_t to, Direction direction) const;
    void WalkLine(std::uint8_t station, std::uint8_t target, Direction direction, const TStationSet& soFarStations,
                  int soFarTime, int steps, TStationSet& stations, int& time) const;
    bool OnRing(std::uint8_t station) const;

    const TCity& city_;
    TRouteList& list_;
    std::uint8_t changesDiff_;
    std::uint8_t timeDiff_;
    int capacity_;
    std::uint64_t visited_ = 0;
};

void LiteralRankRoutes(TRouteList& list, const TRankSettings& settings);

// Search, and rank when more than one route was stored.
void LiteralFindRoutes(const TCity& city, TRouteList& list, std::uint8_t start, std::uint8_t finish,
                       std::uint8_t changesDiff, const TRankSettings& ranking);

}  // namespace tnx::reference
