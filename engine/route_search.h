// Depth-first enumeration of every route with at most ChangesDiff transfers.
#pragma once

#include <cstdint>

#include "engine/line_ride.h"
#include "engine/route.h"
#include "engine/search_data.h"
#include "engine/search_work.h"
#include "model/city_tables.h"

namespace tnx {

struct TRankSettings;

class TRouteSearch {
public:
    // Searches data's city, adding waits per ride; list receives the result and work
    // lends the search its storage. capacity lowers the list's limit of kRouteCapacity
    // records (never raises it).
    TRouteSearch(const TSearchData& data, const TWaitTable& waits, TSearchWork& work, TRouteList& list,
                 std::uint8_t changesDiff, std::uint8_t timeDiff, int capacity = kRouteCapacity);

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

    const TSearchData& data_;
    const TCity& city_;
    const TSearchIndex& index_;
    const TWaitTable waits_;
    TSearchWork& work_;
    TRouteList& list_;
    std::uint8_t changesDiff_;
    std::uint8_t timeDiff_;
    int capacity_;
    std::uint8_t finish_ = 0;
    std::uint8_t finishLine_ = 0;
    const std::uint16_t* bounds_ = nullptr;  // least minutes from each station to finish_
    std::uint64_t visited_ = 0;
};

// The whole search: reset the list, search, and rank when more than one route was stored.
void FindRoutes(const TSearchData& data, const TWaitTable& waits, TSearchWork& work, TRouteList& list,
                std::uint8_t start, std::uint8_t finish, std::uint8_t changesDiff, const TRankSettings& ranking);

}  // namespace tnx
