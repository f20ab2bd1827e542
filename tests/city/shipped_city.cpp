#include "tests/city/shipped_city.h"

#include <algorithm>
#include <filesystem>

#include "engine/line_ride.h"
#include "engine/route_search.h"
#include "engine/search_command.h"
#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx::shipped {
namespace {

std::string Utf8Name(const TCity& city, std::uint8_t n) { return Cp1251ToUtf8(StoredName(city.Station(n))); }

std::string Names(const TCity& city, const TStationSet& set) {
    std::string text;
    for (int n = 1; n <= city.NumOfStations; ++n) {
        if (set.Has(static_cast<std::uint8_t>(n))) {
            text += (text.empty() ? "" : ", ") + Utf8Name(city, static_cast<std::uint8_t>(n));
        }
    }
    return "{" + text + "}";
}

TSearchRequest DayRequest(std::uint8_t from, std::uint8_t to, bool onlyOptimal) {
    TSearchRequest request;
    request.StartStation = from;
    request.EndStation = to;
    request.Settings.ShowOnlyOptimal = onlyOptimal;
    request.DayChecked = true;
    return request;
}

// The stations from `from` along the line in one direction up to `to`, and their riding
// minutes; false when `to` does not lie that way.
bool ChainBetween(const TCity& city, std::uint8_t from, std::uint8_t to, bool forward, TStationSet& stations,
                  int& minutes) {
    stations.Clear();
    minutes = 0;
    std::uint8_t at = from;
    stations.Add(at);
    for (int steps = 0; steps < city.NumOfStations && at != to; ++steps) {
        const TStation& s = city.Station(at);
        const std::uint8_t next = forward ? s.Next : s.Prev;
        if (next == 0 || next == from) return false;
        minutes += forward ? s.MinutesToNext : s.MinutesToPrev;
        at = next;
        stations.Add(at);
    }
    return at == to;
}

// The least minutes from `from` to every station: a ride from a station along its line
// either way (round a ring either way) costs the line's wait plus the riding minutes of
// the stations it leaves; a transfer costs its walk.
std::vector<int> ShortestTimes(const TCity& city, std::uint8_t from) {
    constexpr int kUnreached = 1 << 20;
    const int count = city.NumOfStations;
    std::vector<int> best(static_cast<std::size_t>(count) + 1, kUnreached);
    std::vector<bool> done(best.size(), false);
    best[from] = 0;
    for (;;) {
        int at = 0;
        for (int n = 1; n <= count; ++n)
            if (!done[static_cast<std::size_t>(n)] && best[static_cast<std::size_t>(n)] < kUnreached &&
                (at == 0 || best[static_cast<std::size_t>(n)] < best[static_cast<std::size_t>(at)]))
                at = n;
        if (at == 0) return best;
        done[static_cast<std::size_t>(at)] = true;
        const int here = best[static_cast<std::size_t>(at)];
        const auto reach = [&](std::uint8_t to, int cost) {
            int& b = best[to];
            b = std::min(b, here + cost);
        };
        const TStation& s = city.Station(static_cast<std::uint8_t>(at));
        const int wait = city.DayWait[static_cast<std::size_t>(s.Line - 1)];
        for (const bool forward : {true, false}) {
            int minutes = 0;
            std::uint8_t n = static_cast<std::uint8_t>(at);
            for (int steps = 0; steps < count; ++steps) {
                const TStation& t = city.Station(n);
                const std::uint8_t next = forward ? t.Next : t.Prev;
                if (next == 0 || next == at) break;
                minutes += forward ? t.MinutesToNext : t.MinutesToPrev;
                n = next;
                reach(n, wait + minutes);
            }
        }
        for (int line = 1; line <= city.NumOfLines; ++line) {
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o =
                    city.Transfer(s.Line, static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(k));
                if (o.Minutes != 0 && o.FromStation == at) reach(o.ToStation, o.Minutes);
            }
        }
    }
}

}  // namespace

std::unique_ptr<ShippedCity> LoadShippedCity(const std::string& file) {
    auto shipped = std::make_unique<ShippedCity>();
    const TCity previous;
    const std::filesystem::path path = std::filesystem::path(TUNNEX_PROGRAM_DIR) / (file + ".tnd");
    if (LoadCityFile(path, previous, *shipped->loaded, shipped->module, shipped->error)) {
        shipped->data = std::make_unique<TSearchData>(shipped->City());
    } else if (shipped->error.empty()) {
        shipped->error = "cannot load " + path.string();
    }
    return shipped;
}

std::uint8_t StationNamed(const TCity& city, std::string_view utf8Name) {
    const auto stored = Utf8ToCp1251(utf8Name);
    return stored ? FindStationByName(city, *stored) : 0;
}

std::string CheckKnownTrip(ShippedCity& shipped, const KnownTrip& trip) {
    TCity& city = shipped.City();
    const std::uint8_t from = StationNamed(city, trip.from);
    const std::uint8_t to = StationNamed(city, trip.to);
    if (from == 0 || to == 0) return "no such station";

    TStationSet transfers{};
    for (const char* name : trip.transferAt) {
        const std::uint8_t n = StationNamed(city, name);
        if (n == 0) return std::string("no transfer station ") + name;
        transfers.Add(n);
    }
    const TSearchOutcome outcome =
        RunSearchCommand(city, *shipped.data, *shipped.work, *shipped.list, DayRequest(from, to, true));
    if (outcome.Result != TSearchResult::Routes) return "no route listed";
    std::string problem;
    if (outcome.Entries.front() != trip.firstEntry) problem += "first listed \"" + outcome.Entries.front() + "\"";
    if (!(outcome.ShownRouteTransfers == transfers)) {
        problem +=
            (problem.empty() ? "" : "; ") + std::string("changes at ") + Names(city, outcome.ShownRouteTransfers);
    }
    return problem;
}

std::vector<std::string> ListedEntries(ShippedCity& shipped, std::string_view from, std::string_view to,
                                       bool onlyOptimal) {
    TCity& city = shipped.City();
    const TSearchOutcome outcome =
        RunSearchCommand(city, *shipped.data, *shipped.work, *shipped.list,
                         DayRequest(StationNamed(city, from), StationNamed(city, to), onlyOptimal));
    return outcome.Entries;
}

std::vector<std::string> PairsWithoutRoute(ShippedCity& shipped, std::uint8_t changes) {
    TCity& city = shipped.City();
    TRouteSearch search(*shipped.data, city.DayWait, *shipped.work, *shipped.list, changes, TCitySettings{}.TimeDiff);
    std::vector<std::string> missing;
    for (int a = 1; a <= city.NumOfStations; ++a) {
        for (int b = 1; b <= city.NumOfStations; ++b) {
            const auto from = static_cast<std::uint8_t>(a);
            const auto to = static_cast<std::uint8_t>(b);
            if (a == b || !city.Station(from).InOperation || !city.Station(to).InOperation) continue;
            search.FindRoutes(from, to);
            if (shipped.list->RouteCount == 0) missing.push_back(Utf8Name(city, from) + " -> " + Utf8Name(city, to));
        }
    }
    return missing;
}

std::vector<std::string> PairsNotShortestFirst(ShippedCity& shipped, std::uint8_t changes) {
    TCity& city = shipped.City();
    std::vector<std::string> wrong;
    for (int a = 1; a <= city.NumOfStations; ++a) {
        const auto from = static_cast<std::uint8_t>(a);
        if (!city.Station(from).InOperation) continue;
        const std::vector<int> shortest = ShortestTimes(city, from);
        for (int b = 1; b <= city.NumOfStations; ++b) {
            const auto to = static_cast<std::uint8_t>(b);
            if (a == b || !city.Station(to).InOperation) continue;
            TSearchRequest request = DayRequest(from, to, true);
            request.Settings.ChangesDiff = changes;
            request.Settings.TimeDiff = 1;
            const TSearchOutcome outcome = RunSearchCommand(city, *shipped.data, *shipped.work, *shipped.list, request);
            const int listed = outcome.Result == TSearchResult::Routes ? shipped.list->Routes[0].Time : -1;
            if (listed != shortest[to]) {
                wrong.push_back(Utf8Name(city, from) + " -> " + Utf8Name(city, to) + ": listed " +
                                std::to_string(listed) + ", shortest " + std::to_string(shortest[to]));
            }
        }
    }
    return wrong;
}

std::vector<std::string> WrongRides(const TCity& city) {
    std::vector<std::string> wrong;
    for (int a = 1; a <= city.NumOfStations; ++a) {
        for (int b = 1; b <= city.NumOfStations; ++b) {
            const auto from = static_cast<std::uint8_t>(a);
            const auto to = static_cast<std::uint8_t>(b);
            if (a == b || city.Station(from).Line != city.Station(to).Line) continue;
            const std::string pair = Utf8Name(city, from) + " -> " + Utf8Name(city, to);

            if (OnRingLine(city, from)) {
                // Round the ring either way; a neighbour is reached by its own link.
                for (const bool forward : {true, false}) {
                    TStationSet chain{};
                    int chainMinutes = LinkMinutes(city, from, to);
                    if (chainMinutes != 255) {
                        chain.Add(from);
                        chain.Add(to);
                    } else if (!ChainBetween(city, from, to, forward, chain, chainMinutes)) {
                        wrong.push_back(pair + ": not linked round the ring");
                        continue;
                    }
                    TStationSet ridden{};
                    int minutes = 0;
                    const TDirection direction = forward ? TDirection::Forward : TDirection::Backward;
                    if (!RideLineWithoutWait(city, from, to, direction, ridden, minutes) || !(ridden == chain) ||
                        minutes != chainMinutes) {
                        wrong.push_back(pair + ": the ride round the ring is not the chain of the line");
                    }
                }
                continue;
            }
            TStationSet chain{};
            int chainMinutes = 0;
            if (!ChainBetween(city, from, to, true, chain, chainMinutes) &&
                !ChainBetween(city, from, to, false, chain, chainMinutes)) {
                wrong.push_back(pair + ": not linked along the line");
                continue;
            }
            TStationSet ridden{};
            int minutes = 0;
            if (!RideLineWithoutWait(city, from, to, TDirection::Forward, ridden, minutes)) {
                wrong.push_back(pair + ": the ride heads the wrong way");
            } else if (!(ridden == chain) || minutes != chainMinutes) {
                wrong.push_back(pair + ": rides " + Names(city, ridden) + " in " + std::to_string(minutes) +
                                " minutes");
            }
        }
    }
    return wrong;
}

// Moscow's Крылатское - Строгино, 6.6 km under the river, takes about 7 minutes;
// no other hop of the shipped networks is as long.
constexpr int kLongestRide = 7;

std::vector<std::string> NetworkProblems(const TCity& city) {
    std::vector<std::string> problems;
    for (int n = 1; n <= city.NumOfStations; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        const std::string name = Utf8Name(city, static_cast<std::uint8_t>(n));
        if (s.Next != 0 && (s.MinutesToNext < 1 || s.MinutesToNext > kLongestRide))
            problems.push_back(name + ": ride to next");
        if (s.Prev != 0 && (s.MinutesToPrev < 1 || s.MinutesToPrev > kLongestRide))
            problems.push_back(name + ": ride to prev");

        const std::string_view stored = StoredName(s);
        const bool suffixed = DisplayName(stored).size() != stored.size();
        // The last digit of the line number; line 11 gives 0.
        const char digit = s.Line == 11 ? '0' : static_cast<char>('0' + s.Line % 10);
        if (suffixed && stored.back() != digit) {
            problems.push_back(name + ": suffix is not the last digit of line " + std::to_string(s.Line));
        }
        bool shownTwice = false;
        for (int m = 1; m <= city.NumOfStations; ++m) {
            shownTwice |=
                m != n && DisplayName(StoredName(city.Station(static_cast<std::uint8_t>(m)))) == DisplayName(stored);
        }
        if (suffixed != shownTwice) problems.push_back(name + ": suffix without a namesake, or namesake without one");
    }
    for (int line = 1; line <= 11; ++line) {
        const int day = city.DayWait[static_cast<std::size_t>(line - 1)];
        const int evening = city.EveningWait[static_cast<std::size_t>(line - 1)];
        const bool used = line <= city.NumOfLines;
        if (used && !(day >= 1 && day <= 5 && evening > day && evening <= 10)) {
            problems.push_back("line " + std::to_string(line) + ": waits " + std::to_string(day) + " and " +
                               std::to_string(evening));
        }
        if (!used && (day != 0 || evening != 0)) problems.push_back("line " + std::to_string(line) + ": waits");
    }
    for (int a = 1; a <= city.NumOfLines; ++a) {
        for (int b = 1; b <= city.NumOfLines; ++b) {
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o = city.Transfer(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), k);
                if (o.Minutes == 0) continue;
                if (!city.Station(o.FromStation).InOperation || !city.Station(o.ToStation).InOperation) {
                    problems.push_back(Utf8Name(city, o.FromStation) + " - " + Utf8Name(city, o.ToStation) +
                                       ": transfer at a station not in operation");
                }
            }
        }
    }
    return problems;
}

int StationsInOperation(const TCity& city) {
    int open = 0;
    for (int n = 1; n <= city.NumOfStations; ++n) open += city.Station(static_cast<std::uint8_t>(n)).InOperation;
    return open;
}

int RidingMinutes(const TCity& city, std::uint8_t from, std::uint8_t to) {
    int minutes = 0;
    std::uint8_t at = from;
    for (int hops = 0; at != to; ++hops) {
        // A ring never ends: going round once without meeting `to` is enough.
        if (at == 0 || city.Station(at).Next == 0 || hops > city.NumOfStations) return -1;
        minutes += city.Station(at).MinutesToNext;
        at = city.Station(at).Next;
    }
    return minutes;
}

}  // namespace tnx::shipped
