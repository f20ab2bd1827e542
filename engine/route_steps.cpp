#include "engine/route_steps.h"

namespace tnx {
namespace {

// A trace gives up after this many levels: far more than any stored route needs, and a
// bound on tables made to branch without end.
constexpr int kTraceLevels = 100000;

bool SameRecord(const TRoute& a, const TRoute& b) {
    return a.Stations == b.Stations && a.ChangeStations == b.ChangeStations && a.Lines == b.Lines && a.Time == b.Time &&
           a.Changes == b.Changes;
}

// One ride of the traced walk and the transfer after it (none for the arrival).
struct TLeg {
    std::uint8_t From;
    std::uint8_t To;
    TDirection Direction;
    const TTransferOption* Transfer;
};

// Walks the search's tree again in the search's order, taking only the moves that keep
// every set inside the record's and the minutes within its Time, until a walk arrives
// with the very record. Whatever record the search stored is found this way: along its
// walk the sets only grow and the minutes only rise.
class TStepTrace {
public:
    TStepTrace(const TCity& city, const TWaitTable& waits, std::uint8_t finish, const TRoute& target)
        : city_(city), waits_(waits), finish_(finish), finishLine_(city.Station(finish).Line), target_(target) {}

    bool Trace(std::uint8_t station, const TRoute& route) {
        if (++levels_ > kTraceLevels) return false;
        const std::uint8_t line = city_.Station(station).Line;
        const int directions = OnRingLine(city_, station) ? 2 : 1;
        if (route.Changes < target_.Changes) {
            for (std::uint8_t j = 1; j <= city_.NumOfLines; ++j) {
                if ((route.Lines & LineBit(j)) != 0 && j != finishLine_) continue;
                for (int k = 1; k <= 2; ++k) {
                    const TTransferOption& o = city_.Transfer(line, j, k);
                    if (o.Minutes == 0 || !Valid(o.FromStation) || !Valid(o.ToStation)) continue;
                    if (route.Stations.Has(o.ToStation) || !target_.ChangeStations.Has(o.FromStation) ||
                        !target_.ChangeStations.Has(o.ToStation))
                        continue;
                    for (int d = 0; d < directions; ++d) {
                        TRoute next;
                        const auto direction = static_cast<TDirection>(d);
                        if (!Ride(station, o.FromStation, direction, o.Minutes, route, next)) continue;
                        next.ChangeStations.Add(o.ToStation);
                        next.ChangeStations.Add(o.FromStation);
                        next.Changes = static_cast<std::uint8_t>(route.Changes + 1);
                        legs_.push_back({station, o.FromStation, direction, &o});
                        if (Trace(o.ToStation, next)) return true;
                        legs_.pop_back();
                    }
                }
            }
        }
        if (line != finishLine_) return false;
        for (int d = 0; d < directions; ++d) {
            TRoute final;
            const auto direction = static_cast<TDirection>(d);
            if (!Ride(station, finish_, direction, 0, route, final) || !SameRecord(final, target_)) continue;
            legs_.push_back({station, finish_, direction, nullptr});
            return true;
        }
        return false;
    }

    const std::vector<TLeg>& Legs() const { return legs_; }

private:
    bool Valid(std::uint8_t station) const { return station >= 1 && station <= city_.NumOfStations; }

    // route with the ride from station to `to` and `walk` minutes after it; false when the
    // ride is impossible or leaves the record.
    bool Ride(std::uint8_t station, std::uint8_t to, TDirection direction, int walk, const TRoute& route,
              TRoute& next) const {
        TRidePath path;
        if (!RideLinePath(city_, station, to, direction, path) || path.Minutes > 255) return false;
        const std::uint8_t line = city_.Station(station).Line;
        const int wait = station == to ? 0 : waits_[static_cast<std::size_t>(line - 1)];
        const int minutes = route.Time + path.Minutes + wait + walk;
        if (minutes > target_.Time) return false;
        next = route;
        for (int i = 0; i < path.Count; ++i) next.Stations.Add(path.Stations[static_cast<std::size_t>(i)]);
        next.Lines = static_cast<TLineSet>(route.Lines | LineBit(line));
        next.Time = static_cast<std::uint8_t>(minutes);
        return next.Stations.SubsetOf(target_.Stations) && (next.Lines & ~target_.Lines) == 0;
    }

    const TCity& city_;
    const TWaitTable& waits_;
    std::uint8_t finish_;
    std::uint8_t finishLine_;
    const TRoute& target_;
    std::vector<TLeg> legs_;
    int levels_ = 0;
};

TRideStep MakeRide(const TCity& city, const TWaitTable& waits, const TRidePath& path) {
    TRideStep ride;
    const std::uint8_t from = path.Stations[0];
    const std::uint8_t to = path.Stations[static_cast<std::size_t>(path.Count - 1)];
    ride.Line = city.Station(from).Line;
    ride.Stations.assign(path.Stations.begin(), path.Stations.begin() + path.Count);
    ride.Direction = path.Direction;
    ride.Toward = OnRingLine(city, from) ? 0 : TowardStation(city, to, path.Direction);
    ride.Minutes = static_cast<std::uint8_t>(path.Minutes);
    ride.Wait = waits[static_cast<std::size_t>(ride.Line - 1)];
    return ride;
}

}  // namespace

std::optional<TRouteSteps> RouteSteps(const TCity& city, const TWaitTable& waits, std::uint8_t start,
                                      std::uint8_t finish, const TRoute& route) {
    const auto valid = [&city](std::uint8_t s) { return s >= 1 && s <= city.NumOfStations; };
    if (!valid(start) || !valid(finish) || start == finish) return std::nullopt;
    TStepTrace trace(city, waits, finish, route);
    if (!trace.Trace(start, TRoute{})) return std::nullopt;

    TRouteSteps steps;
    for (const TLeg& leg : trace.Legs()) {
        TRidePath path;
        RideLinePath(city, leg.From, leg.To, leg.Direction, path);
        if (path.Count > 1) steps.emplace_back(MakeRide(city, waits, path));
        if (leg.Transfer != nullptr)
            steps.emplace_back(
                TTransferStep{leg.Transfer->FromStation, leg.Transfer->ToStation, leg.Transfer->Minutes});
    }
    return steps;
}

std::uint8_t TowardStation(const TCity& city, std::uint8_t station, TDirection direction) {
    std::uint8_t open = 0;
    // A walk longer than the city has stations goes round and round: a line without ends.
    for (int steps = 0; steps < city.NumOfStations; ++steps) {
        const TStation& s = city.Station(station);
        if (s.InOperation != 0) open = station;
        const std::uint8_t next = direction == TDirection::Forward ? s.Next : s.Prev;
        if (next < 1 || next > city.NumOfStations) return open != 0 ? open : station;
        station = next;
    }
    return 0;
}

}  // namespace tnx
