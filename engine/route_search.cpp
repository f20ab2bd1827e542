#include "engine/route_search.h"

#include <cstring>

#include "engine/route_ranking.h"
#include "model/lookups.h"

namespace tnx {
namespace {

constexpr int kMaxMinutes = 255;  // a Time is one byte; larger totals are never stored
constexpr std::uint8_t kRingCity = 1;
constexpr std::uint8_t kRingLine = 5;

TRoute EmptyRoute() {
    TRoute r;
    std::memset(&r, 0, sizeof r);
    return r;
}

}  // namespace

bool TRouteSearch::OnRing(std::uint8_t station) const {
    return city_.CityCode == kRingCity && city_.Station(station).Line == kRingLine;
}

bool TRouteSearch::WalkLine(std::uint8_t station, std::uint8_t target, TDirection direction,
                            TStationSet& stations, int& minutes) const {
    minutes = 0;
    // A walk that has taken more steps than the city has stations is going round
    // a ring (or a broken chain) without meeting its target.
    for (int steps = 0; steps <= city_.NumOfStations; ++steps) {
        stations.Add(station);
        const std::uint8_t t = LinkMinutes(city_, station, target);
        if (t != 255) {
            minutes += t;
            return true;
        }
        const TStation& s = city_.Station(station);
        const std::uint8_t next = direction == TDirection::Forward ? s.Next : s.Prev;
        if (!Valid(next)) return false;  // past the line end
        minutes += direction == TDirection::Forward ? s.MinutesToNext : s.MinutesToPrev;
        station = next;
    }
    return false;
}

bool TRouteSearch::RideLine(std::uint8_t from, std::uint8_t to, TDirection direction,
                            TRoute& ride, int& minutes) const {
    ride = EmptyRoute();
    const TStation& f = city_.Station(from);
    ride.Lines = LineBit(f.Line);
    if (from == to) {
        ride.Stations.Add(from);
        minutes = 0;  // a ride of length zero waits for no train
        return true;
    }
    const std::uint8_t t = LinkMinutes(city_, from, to);
    if (t != 255) {
        minutes = t;
    } else if (OnRing(from)) {
        if (!WalkLine(from, to, direction, ride.Stations, minutes)) return false;
    } else {
        TDirection chosen = TDirection::Forward;
        if (f.Next == 0) {
            chosen = TDirection::Backward;
        } else if (f.Prev == 0) {
            chosen = TDirection::Forward;
        } else if (Valid(f.Next) && Valid(f.Prev)) {
            // Head for the neighbour drawn nearer to the target.
            const TStation& n = city_.Station(f.Next);
            const TStation& p = city_.Station(f.Prev);
            const TStation& g = city_.Station(to);
            const auto square = [](std::int64_t v) { return v * v; };
            const std::int64_t dNext = square(std::int64_t{n.X} - g.X) + square(std::int64_t{n.Y} - g.Y);
            const std::int64_t dPrev = square(std::int64_t{p.X} - g.X) + square(std::int64_t{p.Y} - g.Y);
            chosen = dNext > dPrev ? TDirection::Backward : TDirection::Forward;
        }
        if (!WalkLine(from, to, chosen, ride.Stations, minutes)) return false;
    }
    minutes += city_.EffectiveWait[static_cast<std::size_t>(f.Line - 1)];
    ride.Stations.Add(from);
    ride.Stations.Add(to);
    return true;
}

void TRouteSearch::Store(const TRoute& route) {
    if (static_cast<int>(route.Time) - static_cast<int>(list_.BestTime) >= static_cast<int>(timeDiff_))
        return;
    if (list_.RouteCount >= kRouteCapacity) return;  // a full list stores nothing more
    ++list_.RouteCount;
    list_.Route(list_.RouteCount) = route;
    if (route.Time < list_.BestTime) list_.BestTime = route.Time;
}

void TRouteSearch::SearchFrom(std::uint8_t station, std::uint8_t finish, const TRoute& route) {
    ++visited_;
    if (route.Changes > changesDiff_) return;

    const std::uint8_t stationLine = city_.Station(station).Line;
    const std::uint8_t finishLine = city_.Station(finish).Line;
    const int directions = OnRing(station) ? 2 : 1;

    for (std::uint8_t j = 1; j <= city_.NumOfLines; ++j) {
        if ((route.Lines & LineBit(j)) != 0 && j != finishLine) continue;
        for (int k = 1; k <= 2; ++k) {
            const TTransferOption& option = city_.Transfer(stationLine, j, k);
            if (option.Minutes == 0 || route.Stations.Has(option.ToStation)) continue;
            if (!Valid(option.FromStation) || !Valid(option.ToStation)) continue;
            for (int d = 0; d < directions; ++d) {
                TRoute next;
                int minutes = 0;
                if (!RideLine(station, option.FromStation, static_cast<TDirection>(d), next, minutes))
                    continue;
                minutes += route.Time + option.Minutes;
                if (minutes > kMaxMinutes) continue;  // every route on from here is longer still
                next.Time = static_cast<std::uint8_t>(minutes);
                next.ChangeStations = route.ChangeStations;
                next.ChangeStations.Add(option.ToStation);
                next.ChangeStations.Add(option.FromStation);
                next.Changes = static_cast<std::uint8_t>(route.Changes + 1);
                next.Stations.Unite(route.Stations);
                next.Lines |= route.Lines;
                SearchFrom(option.ToStation, finish, next);
            }
        }
    }

    if (stationLine != finishLine) return;
    const int arrivalDirections = OnRing(finish) ? 2 : 1;
    for (int d = 0; d < arrivalDirections; ++d) {
        TRoute final;
        int minutes = 0;
        if (!RideLine(station, finish, static_cast<TDirection>(d), final, minutes)) continue;
        minutes += route.Time;
        if (minutes > kMaxMinutes) continue;
        final.Time = static_cast<std::uint8_t>(minutes);
        final.Stations.Unite(route.Stations);
        final.Lines |= route.Lines;
        final.ChangeStations = route.ChangeStations;
        final.Changes = route.Changes;
        Store(final);
    }
}

void TRouteSearch::FindRoutes(std::uint8_t start, std::uint8_t finish) {
    list_.RouteCount = 0;
    list_.BestTime = 255;
    visited_ = 0;
    if (!Valid(start) || !Valid(finish)) return;
    SearchFrom(start, finish, EmptyRoute());
}

void FindRoutes(const TCity& city, TRouteList& list, std::uint8_t start, std::uint8_t finish,
                std::uint8_t changesDiff, const TRankSettings& ranking) {
    TRouteSearch search(city, list, changesDiff, ranking.TimeDiff);
    search.FindRoutes(start, finish);
    if (list.RouteCount > 1) RankRoutes(list, ranking);
}

}  // namespace tnx
