#include "city/pack/route_checks.h"

#include <cstdint>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "engine/line_ride.h"
#include "model/city_tables.h"

namespace tnx::city {
namespace {

const StationSource& StationAt(const CitySource& source, int number) {
    return source.stations[static_cast<std::size_t>(number - 1)];
}

std::string Named(const CitySource& source, int number) {
    return "station " + std::to_string(number) + " \"" + StationAt(source, number).name + "\"";
}

// A list of stations for a message: the first few, then how many more.
std::string Listed(const CitySource& source, const std::vector<int>& numbers) {
    constexpr std::size_t kShown = 3;
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < kShown; ++i)
        text += (i == 0 ? "" : ", ") + Named(source, numbers[i]);
    if (numbers.size() > kShown) text += " and " + std::to_string(numbers.size() - kShown) + " more";
    return text;
}

}  // namespace

void CheckRideDirections(const CitySource& source, const TStationTable& stations, const TTransferTable& changes,
                         PackErrors& errors) {
    // TCity is large; keep it off the stack.
    auto city = std::make_unique<TCity>();
    city->CityCode = static_cast<std::uint8_t>(source.cityCode);
    city->NumOfStations = static_cast<std::uint8_t>(source.stations.size());
    city->NumOfLines = static_cast<std::uint8_t>(source.lines.size());
    city->Stations = stations;
    city->Changes = changes;

    const int count = city->NumOfStations;
    for (int a = 1; a <= count; ++a) {
        const auto from = static_cast<std::uint8_t>(a);
        // The ring is ridden both ways, so no drawing can strand a ride on it.
        if (OnRingLine(*city, from)) continue;
        std::vector<int> missed;
        for (int b = 1; b <= count; ++b) {
            const auto to = static_cast<std::uint8_t>(b);
            if (a == b || city->Station(to).Line != city->Station(from).Line) continue;
            TStationSet passed{};
            int minutes = 0;
            if (!RideLineWithoutWait(*city, from, to, TDirection::Forward, passed, minutes)) missed.push_back(b);
        }
        if (missed.empty()) continue;
        const StationSource& s = StationAt(source, a);
        errors.Add(StationSubject(s), s.where, "X, Y",
                   "a ride from here heads for the neighbour drawn nearer to its target and so never "
                   "reaches " +
                       Listed(source, missed) + "; draw the line so that its stations lie in order");
    }
}

void CheckReachability(const CitySource& source, const TTransferTable& changes, PackErrors& errors) {
    const int count = static_cast<int>(source.stations.size());
    if (count == 0) return;
    std::vector<std::vector<int>> neighbours(static_cast<std::size_t>(count + 1));
    const auto join = [&](int a, int b) {
        if (a < 1 || a > count || b < 1 || b > count) return;
        neighbours[static_cast<std::size_t>(a)].push_back(b);
        neighbours[static_cast<std::size_t>(b)].push_back(a);
    };
    for (const StationSource& s : source.stations) join(s.number, s.next);
    for (const auto& row : changes.Cells)
        for (const auto& cell : row)
            for (const TTransferOption& o : cell)
                if (o.Minutes != 0) join(o.FromStation, o.ToStation);

    // Label every station with the group it belongs to; group 1 holds station 1.
    std::vector<int> group(static_cast<std::size_t>(count + 1), 0);
    int groups = 0;
    for (int start = 1; start <= count; ++start) {
        if (group[static_cast<std::size_t>(start)] != 0) continue;
        ++groups;
        std::queue<int> pending;
        pending.push(start);
        group[static_cast<std::size_t>(start)] = groups;
        while (!pending.empty()) {
            const int at = pending.front();
            pending.pop();
            for (const int next : neighbours[static_cast<std::size_t>(at)]) {
                if (group[static_cast<std::size_t>(next)] != 0) continue;
                group[static_cast<std::size_t>(next)] = groups;
                pending.push(next);
            }
        }
    }
    for (int g = 2; g <= groups; ++g) {
        std::vector<int> members;
        for (int n = 1; n <= count; ++n)
            if (group[static_cast<std::size_t>(n)] == g) members.push_back(n);
        const StationSource& first = StationAt(source, members.front());
        std::string message = "cannot be reached from " + Named(source, 1) + " over links and transfers";
        if (members.size() > 1) message += ", nor can " + Listed(source, {members.begin() + 1, members.end()});
        errors.Add(StationSubject(first), first.where, "transfers.txt", message + "; a transfer is missing");
    }
}

}  // namespace tnx::city
