#include "engine/route_search.h"

#include <algorithm>
#include <cstring>

#include "engine/route_ranking.h"

namespace tnx {
namespace {

constexpr int kMaxMinutes = 255;  // a Time is one byte; larger totals are never stored

TRoute EmptyRoute() {
    TRoute r;
    std::memset(&r, 0, sizeof r);
    return r;
}

}  // namespace

TRouteSearch::TRouteSearch(const TSearchData& data, const TWaitTable& waits, TSearchWork& work, TRouteList& list,
                           std::uint8_t changesDiff, std::uint8_t timeDiff, int capacity)
    : data_(data), city_(data.City()), index_(data.Index()), waits_(waits), work_(work), list_(list),
      changesDiff_(changesDiff), timeDiff_(timeDiff), capacity_(std::clamp(capacity, 0, kRouteCapacity)) {}

void TRouteSearch::Store(const TRoute& route) {
    if (static_cast<int>(route.Time) - static_cast<int>(list_.BestTime) >= static_cast<int>(timeDiff_)) return;
    if (Full()) return;
    ++list_.RouteCount;
    list_.Route(list_.RouteCount) = route;
    if (route.Time < list_.BestTime) list_.BestTime = route.Time;
}

// The routes are visited in the same depth-first order as the plain enumeration
// (lines ascending, option 1 before 2, forward before backward, transfers before
// the arrival), so the stored list is the same record for record. Only branches
// that cannot store anything are skipped; each cut says why that is safe.
void TRouteSearch::SearchFrom(std::uint8_t station, const TRoute& route) {
    ++visited_;
    if (route.Changes > changesDiff_) return;
    // Cut: a full list stores nothing more and BestTime stops falling, so the rest of
    // the search cannot change the result.
    if (Full()) return;

    const std::uint8_t line = city_.Station(station).Line;
    const int directions = OnRingLine(city_, station) ? 2 : 1;
    const int wait = waits_[static_cast<std::size_t>(line - 1)];

    for (std::uint8_t j = 1; j <= city_.NumOfLines; ++j) {
        if ((route.Lines & LineBit(j)) != 0 && j != finishLine_) continue;
        for (int k = 1; k <= 2; ++k) {
            const TTransferOption& option = city_.Transfer(line, j, k);
            if (option.Minutes == 0 || route.Stations.Has(option.ToStation)) continue;
            if (!Valid(option.FromStation) || !Valid(option.ToStation)) continue;
            // Cut: from ToStation's line the end's line is MinChanges transfers away at
            // best; past ChangesDiff every level below returns without storing.
            const int arrivalLine = city_.Station(option.ToStation).Line;
            if (arrivalLine > kMaxLines) continue;
            if (route.Changes + 1 + index_.MinChanges[arrivalLine][finishLine_] > changesDiff_) continue;
            // Cut: no route from ToStation takes less than its bound to the end (riding,
            // walking and one wait per ride of non-zero length); times only grow along a
            // branch and BestTime only falls, so a branch that fails the store test (or
            // passes 255) with that bound now fails it at every later store.
            const int bound = bounds_[option.ToStation];
            for (int d = 0; d < directions; ++d) {
                const TRideEntry& ride = index_.Rides[station][option.FromStation][d];
                if (!ride.Possible) continue;
                const int minutes = route.Time + ride.Minutes + (ride.ZeroLength ? 0 : wait) + option.Minutes;
                if (minutes + bound > kMaxMinutes) continue;
                if (minutes + bound - list_.BestTime >= timeDiff_) continue;
                TRoute next;
                next.Stations = ride.Stations;
                next.Stations.Unite(route.Stations);
                next.ChangeStations = route.ChangeStations;
                next.ChangeStations.Add(option.ToStation);
                next.ChangeStations.Add(option.FromStation);
                next.Lines = static_cast<TLineSet>(route.Lines | LineBit(line));
                next.Time = static_cast<std::uint8_t>(minutes);
                next.Changes = static_cast<std::uint8_t>(route.Changes + 1);
                SearchFrom(option.ToStation, next);
                if (Full()) return;
            }
        }
    }

    if (line != finishLine_) return;
    for (int d = 0; d < directions; ++d) {
        const TRideEntry& ride = index_.Rides[station][finish_][d];
        if (!ride.Possible) continue;
        const int minutes = route.Time + ride.Minutes + (ride.ZeroLength ? 0 : wait);
        if (minutes > kMaxMinutes) continue;
        TRoute final;
        final.Stations = ride.Stations;
        final.Stations.Unite(route.Stations);
        final.ChangeStations = route.ChangeStations;
        final.Lines = static_cast<TLineSet>(route.Lines | LineBit(line));
        final.Time = static_cast<std::uint8_t>(minutes);
        final.Changes = route.Changes;
        Store(final);
    }
}

void TRouteSearch::FindRoutes(std::uint8_t start, std::uint8_t finish) {
    list_.RouteCount = 0;
    list_.BestTime = 255;
    visited_ = 0;
    if (!Valid(start) || !Valid(finish)) return;
    finish_ = finish;
    finishLine_ = city_.Station(finish).Line;
    bounds_ = WaitBoundsTo(data_, waits_, work_.Bounds, finish);
    SearchFrom(start, EmptyRoute());
}

void FindRoutes(const TSearchData& data, const TWaitTable& waits, TSearchWork& work, TRouteList& list,
                std::uint8_t start, std::uint8_t finish, std::uint8_t changesDiff, const TRankSettings& ranking) {
    TRouteSearch search(data, waits, work, list, changesDiff, ranking.TimeDiff);
    search.FindRoutes(start, finish);
    if (list.RouteCount > 1) RankRoutes(list, work.Scratch, ranking);
}

}  // namespace tnx
