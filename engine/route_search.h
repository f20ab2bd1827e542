// Depth-first enumeration of every route with at most ChangesDiff transfers.
#pragma once

#include <cstdint>

#include "engine/route.h"
#include "model/city_tables.h"

namespace tnx {

enum class TDirection : std::uint8_t { Forward, Backward };

class TRouteSearch {
public:
    TRouteSearch(const TCity& city, TRouteList& list, std::uint8_t changesDiff,
                 std::uint8_t timeDiff)
        : city_(city), list_(list), changesDiff_(changesDiff), timeDiff_(timeDiff) {}

    // Start and Finish must be stations 1..NumOfStations. Stores the found routes
    // in storing order; ranking is the caller's (see RankRoutes).
    void FindRoutes(std::uint8_t start, std::uint8_t finish);

    void SearchFrom(std::uint8_t station, std::uint8_t finish, const TRoute& route);

    // One ride on From's line. False when the ride is impossible: its walk runs
    // past a line end or round a ring without meeting To.
    bool RideLine(std::uint8_t from, std::uint8_t to, TDirection direction, TRoute& ride,
                  int& minutes) const;

    // Stations passed and minutes ridden from station to target, walking in direction.
    bool WalkLine(std::uint8_t station, std::uint8_t target, TDirection direction,
                  TStationSet& stations, int& minutes) const;

    // Partial routes visited (calls of SearchFrom), for benchmarks.
    std::uint64_t Visited() const { return visited_; }

private:
    bool OnRing(std::uint8_t station) const;
    bool Valid(std::uint8_t station) const { return station >= 1 && station <= city_.NumOfStations; }
    void Store(const TRoute& route);

    const TCity& city_;
    TRouteList& list_;
    std::uint8_t changesDiff_;
    std::uint8_t timeDiff_;
    std::uint64_t visited_ = 0;
};

// The whole search: reset the list, search, and rank when more than one route was stored.
struct TRankSettings;
void FindRoutes(const TCity& city, TRouteList& list, std::uint8_t start, std::uint8_t finish,
                std::uint8_t changesDiff, const TRankSettings& ranking);

}  // namespace tnx
