#include "tests/engine/route_steps_check.h"

#include <algorithm>
#include <vector>

namespace tnx::test {
namespace {

std::string N(int n) { return std::to_string(n); }

std::string CheckRide(const TCity& city, const TWaitTable& waits, const TRideStep& ride) {
    if (ride.Stations.size() < 2) return "a ride of length zero is shown";
    const bool forward = ride.Direction == TDirection::Forward;
    int minutes = 0;
    for (std::size_t i = 0; i < ride.Stations.size(); ++i) {
        const TStation& s = city.Station(ride.Stations[i]);
        if (s.Line != ride.Line) return "station " + N(ride.Stations[i]) + " is not on line " + N(ride.Line);
        if (i + 1 == ride.Stations.size()) break;
        if ((forward ? s.Next : s.Prev) != ride.Stations[i + 1])
            return "hop " + N(ride.Stations[i]) + " -> " + N(ride.Stations[i + 1]) + " is not to the " +
                   (forward ? "Next" : "Prev") + " neighbour";
        minutes += forward ? s.MinutesToNext : s.MinutesToPrev;
    }
    if (minutes != ride.Minutes) return "ride minutes " + N(ride.Minutes) + ", hops add up to " + N(minutes);
    if (ride.Wait != waits[static_cast<std::size_t>(ride.Line - 1)])
        return "wait " + N(ride.Wait) + " on line " + N(ride.Line);

    // Toward: on the side the ride went, at or beyond the alighting station, with nothing
    // in operation past it, and itself in operation or the line's end.
    const bool ring = city.CityCode == 1 && ride.Line == 5;
    if (ring) return ride.Toward == 0 ? "" : "a ring ride heads for station " + N(ride.Toward);
    std::vector<std::uint8_t> ahead;  // the alighting station and every one beyond it
    for (std::uint8_t s = ride.Stations.back(); s != 0;) {
        if (std::find(ahead.begin(), ahead.end(), s) != ahead.end())  // round and round: no end
            return ride.Toward == 0 ? "" : "a ride round a loop heads for station " + N(ride.Toward);
        ahead.push_back(s);
        s = forward ? city.Station(s).Next : city.Station(s).Prev;
    }
    const auto at = std::find(ahead.begin(), ahead.end(), ride.Toward);
    if (at == ahead.end()) return "toward " + N(ride.Toward) + " is not on the way on";
    const auto open = [&city](std::uint8_t n) { return city.Station(n).InOperation != 0; };
    if (std::any_of(at + 1, ahead.end(), open)) return "a station beyond toward " + N(ride.Toward) + " is open";
    if (!open(ride.Toward) && (at + 1 != ahead.end() || std::any_of(ahead.begin(), at, open)))
        return "toward " + N(ride.Toward) + " is closed, yet not the end of a closed stretch";
    return {};
}

bool IsOption(const TCity& city, const TTransferStep& t) {
    const std::uint8_t a = city.Station(t.From).Line, b = city.Station(t.To).Line;
    for (int k = 1; k <= 2; ++k) {
        const TTransferOption& o = city.Transfer(a, b, k);
        if (o.Minutes != 0 && o.FromStation == t.From && o.ToStation == t.To && o.Minutes == t.Minutes) return true;
    }
    return false;
}

}  // namespace

std::string CheckRouteSteps(const TCity& city, const TWaitTable& waits, std::uint8_t start, std::uint8_t finish,
                            const TRoute& route, const TRouteSteps& steps) {
    std::uint8_t at = start;
    bool lastWasRide = false;
    int minutes = 0, transfers = 0;
    TStationSet stations{}, changeStations{};
    stations.Add(start);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string where = "step " + N(static_cast<int>(i) + 1) + ": ";
        if (const auto* ride = std::get_if<TRideStep>(&steps[i])) {
            if (lastWasRide) return where + "two rides without a transfer between";
            if (ride->Stations.empty() || ride->Stations.front() != at) return where + "does not start at " + N(at);
            if (std::string fault = CheckRide(city, waits, *ride); !fault.empty()) return where + fault;
            for (std::uint8_t s : ride->Stations) stations.Add(s);
            minutes += ride->Minutes + ride->Wait;
            at = ride->Stations.back();
            lastWasRide = true;
        } else {
            const auto& t = std::get<TTransferStep>(steps[i]);
            if (t.From != at) return where + "transfer leaves from " + N(t.From) + ", not " + N(at);
            if (!IsOption(city, t)) return where + "transfer " + N(t.From) + " -> " + N(t.To) + " is no option";
            for (std::uint8_t s : {t.From, t.To}) {
                stations.Add(s);
                changeStations.Add(s);
            }
            minutes += t.Minutes;
            ++transfers;
            at = t.To;
            lastWasRide = false;
        }
    }
    if (at != finish) return "the steps end at " + N(at) + ", not " + N(finish);
    if (minutes != route.Time) return "steps add up to " + N(minutes) + " minutes, Time is " + N(route.Time);
    if (transfers != route.Changes) return N(transfers) + " transfers, Changes is " + N(route.Changes);
    if (!(stations == route.Stations)) return "the steps' stations are not the record's Stations";
    if (!(changeStations == route.ChangeStations)) return "the transfer pairs are not the record's ChangeStations";
    // Every line ridden, rides of length zero included, has a station in Stations.
    TLineSet lines = 0;
    for (int n = 1; n <= city.NumOfStations; ++n)
        if (route.Stations.Has(static_cast<std::uint8_t>(n)))
            lines = static_cast<TLineSet>(lines | LineBit(city.Station(static_cast<std::uint8_t>(n)).Line));
    if (lines != route.Lines) return "the lines of the steps' stations are not the record's Lines";
    return {};
}

}  // namespace tnx::test
