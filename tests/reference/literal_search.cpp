#include "tests/reference/literal_search.h"

#include <cstring>

#include "model/lookups.h"

namespace tnx::reference {
namespace {

constexpr int kImpossible = 255;

TRoute Empty() {
    TRoute r;
    std::memset(&r, 0, sizeof r);
    return r;
}

}  // namespace

bool LiteralSearch::OnRing(std::uint8_t station) const {
    return city_.CityCode == 1 && city_.Station(station).Line == 5;
}

void LiteralSearch::WalkLine(std::uint8_t station, std::uint8_t target, Direction direction,
                             const TStationSet& soFarStations, int soFarTime, int steps, TStationSet& stations,
                             int& time) const {
    stations = soFarStations;
    stations.Add(station);
    time = kImpossible;
    const std::uint8_t t = LinkMinutes(city_, station, target);
    if (t != 255) {
        time = t + soFarTime;
        return;
    }
    const TStation& s = city_.Station(station);
    const std::uint8_t next = direction == kForward ? s.Next : s.Prev;
    const int minutes = direction == kForward ? s.MinutesToNext : s.MinutesToPrev;
    // Past a line end, or once round a ring without meeting the target: impossible.
    if (next == 0 || next > city_.NumOfStations || steps >= city_.NumOfStations) return;
    TStationSet nextStations;
    int nextTime = kImpossible;
    WalkLine(next, target, direction, stations, minutes + soFarTime, steps + 1, nextStations, nextTime);
    if (nextTime != kImpossible) {
        stations = nextStations;
        time = nextTime;
    } else {
        time = kImpossible;
    }
}

LiteralSearch::Ride LiteralSearch::RideLine(std::uint8_t from, std::uint8_t to, Direction direction) const {
    Ride ride{Empty(), 0};
    const TStation& f = city_.Station(from);
    if (from == to) {
        ride.route.Stations.Add(from);
        ride.route.Lines = LineBit(f.Line);
        return ride;
    }
    ride.time = kImpossible;
    const std::uint8_t t = LinkMinutes(city_, from, to);
    if (t != 255) {
        ride.time = t;
        ride.route.Stations.Add(from);
        ride.route.Stations.Add(to);
    } else {
        Direction chosen = direction;
        if (!OnRing(from)) {
            if (f.Next == 0) {
                chosen = kBackward;
            } else if (f.Prev == 0) {
                chosen = kForward;
            } else {
                const TStation& n = city_.Station(f.Next);
                const TStation& p = city_.Station(f.Prev);
                const TStation& g = city_.Station(to);
                const std::int64_t dNext =
                    (std::int64_t{n.X} - g.X) * (n.X - g.X) + (std::int64_t{n.Y} - g.Y) * (n.Y - g.Y);
                const std::int64_t dPrev =
                    (std::int64_t{p.X} - g.X) * (p.X - g.X) + (std::int64_t{p.Y} - g.Y) * (p.Y - g.Y);
                chosen = dNext > dPrev ? kBackward : kForward;
            }
        }
        WalkLine(from, to, chosen, Empty().Stations, 0, 0, ride.route.Stations, ride.time);
        if (ride.time == kImpossible) return ride;
    }
    ride.route.Lines = LineBit(f.Line);
    ride.time += city_.EffectiveWait[f.Line - 1];
    ride.route.Stations.Add(from);
    ride.route.Stations.Add(to);
    return ride;
}

void LiteralSearch::SearchFrom(std::uint8_t station, std::uint8_t finish, TRoute route) {
    ++visited_;
    if (route.Changes > changesDiff_) return;
    const std::uint8_t line = city_.Station(station).Line;
    const std::uint8_t finishLine = city_.Station(finish).Line;
    for (std::uint8_t j = 1; j <= city_.NumOfLines; ++j) {
        if ((route.Lines & LineBit(j)) != 0 && j != finishLine) continue;
        for (int k = 1; k <= 2; ++k) {
            const TTransferOption& o = city_.Transfer(line, j, k);
            if (o.Minutes == 0 || route.Stations.Has(o.ToStation)) continue;
            for (int d = 0; d < (OnRing(station) ? 2 : 1); ++d) {
                Ride next = RideLine(station, o.FromStation, d == 0 ? kForward : kBackward);
                if (next.time == kImpossible) continue;
                const int time = next.time + route.Time + o.Minutes;
                if (time > 255) continue;
                next.route.Time = static_cast<std::uint8_t>(time);
                next.route.ChangeStations = route.ChangeStations;
                next.route.ChangeStations.Add(o.ToStation);
                next.route.ChangeStations.Add(o.FromStation);
                next.route.Changes = static_cast<std::uint8_t>(route.Changes + 1);
                next.route.Stations.Unite(route.Stations);
                next.route.Lines |= route.Lines;
                SearchFrom(o.ToStation, finish, next.route);
            }
        }
    }
    if (line != finishLine) return;
    for (int d = 0; d < (OnRing(finish) ? 2 : 1); ++d) {
        Ride final = RideLine(station, finish, d == 0 ? kForward : kBackward);
        if (final.time == kImpossible) continue;
        const int time = final.time + route.Time;
        if (time > 255) continue;
        final.route.Time = static_cast<std::uint8_t>(time);
        final.route.Stations.Unite(route.Stations);
        final.route.Lines |= route.Lines;
        final.route.ChangeStations = route.ChangeStations;
        final.route.Changes = route.Changes;
        if (final.route.Time - list_.BestTime < timeDiff_ && list_.RouteCount < capacity_) {
            list_.RouteCount = static_cast<std::uint16_t>(list_.RouteCount + 1);
            list_.Route(list_.RouteCount) = final.route;
            if (final.route.Time < list_.BestTime) list_.BestTime = final.route.Time;
        }
    }
}

void LiteralSearch::FindRoutes(std::uint8_t start, std::uint8_t finish) {
    list_.RouteCount = 0;
    list_.BestTime = 255;
    visited_ = 0;
    if (start < 1 || start > city_.NumOfStations || finish < 1 || finish > city_.NumOfStations) return;
    SearchFrom(start, finish, Empty());
}

namespace {

void Remove(TRouteList& list, int position) {
    for (int p = position; p < list.RouteCount; ++p) list.Route(p) = list.Route(p + 1);
    list.RouteCount = static_cast<std::uint16_t>(list.RouteCount - 1);
}

template <typename Before>
void ExchangeSort(TRouteList& list, Before before) {
    for (int pass = 1; pass <= list.RouteCount; ++pass) {
        for (int a = list.RouteCount - 1; a >= 1; --a) {
            if (before(list.Route(a + 1), list.Route(a))) {
                const TRoute swap = list.Route(a);
                list.Route(a) = list.Route(a + 1);
                list.Route(a + 1) = swap;
            }
        }
    }
}

}  // namespace

void LiteralRankRoutes(TRouteList& list, const TRankSettings& settings) {
    ExchangeSort(list, [](const TRoute& a, const TRoute& b) {
        return a.Time < b.Time || (a.Time == b.Time && a.Changes < b.Changes);
    });
    for (int p = 1; p <= list.RouteCount; ++p) {
        if (list.Route(p).Time - list.BestTime > settings.TimeDiff) {
            list.RouteCount = static_cast<std::uint16_t>(p - 1);
            break;
        }
    }
    for (int i = 1; i <= list.RouteCount; ++i)
        for (int b = list.RouteCount; b >= i + 1; --b)
            if (!list.Route(i).Stations.Empty() && !list.Route(b).Stations.Empty() &&
                list.Route(i).Stations.SubsetOf(list.Route(b).Stations))
                Remove(list, b);
    if (settings.ShowOnlyOptimal) {
        for (int i = 1; i <= list.RouteCount; ++i)
            for (int b = list.RouteCount; b >= i + 1; --b)
                if (list.Route(i).Time < list.Route(b).Time && list.Route(i).Changes <= list.Route(b).Changes)
                    Remove(list, b);
    }
    if (settings.ArrangeByChanges)
        ExchangeSort(list, [](const TRoute& a, const TRoute& b) { return a.Changes < b.Changes; });
    if (list.RouteCount > kListedRoutes) list.RouteCount = kListedRoutes;
}

void LiteralFindRoutes(const TCity& city, TRouteList& list, std::uint8_t start, std::uint8_t finish,
                       std::uint8_t changesDiff, const TRankSettings& ranking) {
    LiteralSearch search(city, list, changesDiff, ranking.TimeDiff);
    search.FindRoutes(start, finish);
    if (list.RouteCount > 1) LiteralRankRoutes(list, ranking);
}

}  // namespace tnx::reference
