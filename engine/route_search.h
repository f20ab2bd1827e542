// Depth-first enumeration of every route with at most ChangesDiff transfers.
#pragma once

#include <cstdint>

#include "engine/line_ride.h"
#include "engine/route.h"
#include "model/city_tables.h"

namespace tnx {

struct TRankSettings;

class TRouteSearch {
public:
    // list holds the result and the search's cached index of the city.
    // capacity lowers the list's limit of kRouteCapacity records (never raises it).
    TRouteSearch(const TCity& city, TRouteList& list, std::uint8_t changesDiff, std::uint8_t timeDiff,
                 int capacity = kRouteCapacity);

    // Start and Finish must be stations 1..NumOfStations (others find nothing). Stores
    // the found routes in storing order; ranking is the caller's (see RankRoutes).
    void FindRoutes(std::uint8_t start, std::uint8_t finish);

    // Partial routes visited (levels of the search entered), for benchmarks.
    std::uint64_t Visited() const { return visited_; }

private:
    void SearchFrom(std::uint8_t station, const TRoute& route);
    void Store(const TRoute& route);
    bool Full() const { return list_.RouteCount >= capacity_; }
    bool Valid(std::uint8_t station) const { return station >= 1 && station <= city_.NumOfStations; }

    const TCity& city_;
    TRouteList& list_;
    const TSearchIndex& index_;
    std::uint8_t changesDiff_;
    std::uint8_t timeDiff_;
    int capacity_;
    std::uint8_t finish_ = 0;
    std::uint8_t finishLine_ = 0;
    const std::uint16_t* bounds_ = nullptr;  // least minutes from each station to finish_
    std::uint64_t visited_ = 0;
};

// Makes sure list's cached index describes city; rebuilds it after a city change.
const TSearchIndex& SearchIndexFor(const TCity& city, TRouteList& list);

// The whole search: reset the list, search, and rank when more than one route was stored.
void FindRoutes(const TCity& city, TRouteList& list, std::uint8_t start, std::uint8_t finish, std::uint8_t changesDiff,
                const TRankSettings& ranking);

}  // namespace tnx
