#include "engine/line_ride.h"

#include "model/lookups.h"

namespace tnx {
namespace {

// Hands every station the walk passes, target excluded, to pass(station).
template <class Pass>
bool Walk(const TCity& city, std::uint8_t station, std::uint8_t target, TDirection direction, int& minutes,
          Pass&& pass) {
    minutes = 0;
    // More steps than the city has stations means going round without meeting the target.
    for (int steps = 0; steps <= city.NumOfStations; ++steps) {
        pass(station);
        const std::uint8_t t = LinkMinutes(city, station, target);
        if (t != 255) {
            minutes += t;
            return true;
        }
        const TStation& s = city.Station(station);
        const std::uint8_t next = direction == TDirection::Forward ? s.Next : s.Prev;
        if (next < 1 || next > city.NumOfStations) return false;  // past the line end
        minutes += direction == TDirection::Forward ? s.MinutesToNext : s.MinutesToPrev;
        station = next;
    }
    return false;
}

// Off the ring: towards the neighbour nearer to `to` on the scheme, forward on a tie.
TDirection DrawnDirection(const TCity& city, std::uint8_t from, std::uint8_t to) {
    const TStation& f = city.Station(from);
    if (f.Next == 0) return TDirection::Backward;
    if (f.Prev == 0 || f.Next > city.NumOfStations || f.Prev > city.NumOfStations) return TDirection::Forward;
    const TStation& n = city.Station(f.Next);
    const TStation& p = city.Station(f.Prev);
    const TStation& g = city.Station(to);
    const auto square = [](std::int64_t v) { return v * v; };
    const std::int64_t dNext = square(std::int64_t{n.X} - g.X) + square(std::int64_t{n.Y} - g.Y);
    const std::int64_t dPrev = square(std::int64_t{p.X} - g.X) + square(std::int64_t{p.Y} - g.Y);
    return dNext > dPrev ? TDirection::Backward : TDirection::Forward;
}

}  // namespace

bool OnRingLine(const TCity& city, std::uint8_t station) {
    return city.CityCode == 1 && city.Station(station).Line == 5;
}

bool WalkLine(const TCity& city, std::uint8_t station, std::uint8_t target, TDirection direction, TStationSet& stations,
              int& minutes) {
    return Walk(city, station, target, direction, minutes, [&](std::uint8_t s) { stations.Add(s); });
}

bool RideLinePath(const TCity& city, std::uint8_t from, std::uint8_t to, TDirection direction, TRidePath& path) {
    path.Count = 0;
    path.Minutes = 0;
    path.Direction = direction;
    const auto pass = [&path](std::uint8_t s) { path.Stations[static_cast<std::size_t>(path.Count++)] = s; };
    if (from == to) {
        pass(from);
        return true;
    }
    const std::uint8_t t = LinkMinutes(city, from, to);
    if (t != 255) {
        path.Direction = city.Station(from).Next == to ? TDirection::Forward : TDirection::Backward;
        path.Minutes = t;
        pass(from);
        pass(to);
        return true;
    }
    if (!OnRingLine(city, from)) path.Direction = DrawnDirection(city, from, to);
    if (!Walk(city, from, to, path.Direction, path.Minutes, pass)) return false;
    pass(to);
    return true;
}

bool RideLineWithoutWait(const TCity& city, std::uint8_t from, std::uint8_t to, TDirection direction,
                         TStationSet& stations, int& minutes) {
    TRidePath path;
    const bool possible = RideLinePath(city, from, to, direction, path);
    stations.Clear();
    for (int i = 0; i < path.Count; ++i) stations.Add(path.Stations[static_cast<std::size_t>(i)]);
    minutes = path.Minutes;
    return possible;
}

}  // namespace tnx
