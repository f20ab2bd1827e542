#include "engine/line_ride.h"

#include "model/lookups.h"

namespace tnx {

bool OnRingLine(const TCity& city, std::uint8_t station) {
    return city.CityCode == 1 && city.Station(station).Line == 5;
}

bool WalkLine(const TCity& city, std::uint8_t station, std::uint8_t target, TDirection direction,
              TStationSet& stations, int& minutes) {
    minutes = 0;
    // More steps than the city has stations means going round without meeting the target.
    for (int steps = 0; steps <= city.NumOfStations; ++steps) {
        stations.Add(station);
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

bool RideLineWithoutWait(const TCity& city, std::uint8_t from, std::uint8_t to, TDirection direction,
                         TStationSet& stations, int& minutes) {
    stations.Clear();
    minutes = 0;
    stations.Add(from);
    if (from == to) return true;
    stations.Add(to);
    const std::uint8_t t = LinkMinutes(city, from, to);
    if (t != 255) {
        minutes = t;
        return true;
    }
    if (!OnRingLine(city, from)) {
        const TStation& f = city.Station(from);
        direction = TDirection::Forward;
        if (f.Next == 0) {
            direction = TDirection::Backward;
        } else if (f.Prev != 0 && f.Next <= city.NumOfStations && f.Prev <= city.NumOfStations) {
            const TStation& n = city.Station(f.Next);
            const TStation& p = city.Station(f.Prev);
            const TStation& g = city.Station(to);
            const auto square = [](std::int64_t v) { return v * v; };
            const std::int64_t dNext = square(std::int64_t{n.X} - g.X) + square(std::int64_t{n.Y} - g.Y);
            const std::int64_t dPrev = square(std::int64_t{p.X} - g.X) + square(std::int64_t{p.Y} - g.Y);
            if (dNext > dPrev) direction = TDirection::Backward;
        }
    }
    return WalkLine(city, from, to, direction, stations, minutes);
}

}  // namespace tnx
