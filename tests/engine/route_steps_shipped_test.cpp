// The steps of the routes of every shipped city: every listed route of every ordered
// pair at the default settings, and every stored record of a sample of pairs across
// transfers 0..5, time windows and the three wait tables, which covers every ranking.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "engine/route_search.h"
#include "engine/search_command.h"
#include "shell/city_loader.h"
#include "shell/module_catalog.h"
#include "tests/engine/route_steps_check.h"
#include "tests/engine/searcher.h"

namespace tnx::test {
namespace {

struct Shipped {
    std::string file;
    std::unique_ptr<TLoadedCity> loaded = std::make_unique<TLoadedCity>();
};

std::vector<Shipped> ShippedCities() {
    const std::filesystem::path dir = TUNNEX_PROGRAM_DIR;
    std::vector<Shipped> cities;
    for (const auto& entry : ScanCityModules(dir)) {
        Shipped c{entry.FileName};
        std::unique_ptr<CityModule> module;
        std::string error;
        TCity previous;
        EXPECT_TRUE(LoadCityFile(dir / entry.FileName, previous, *c.loaded, module, error)) << error;
        cities.push_back(std::move(c));
    }
    EXPECT_FALSE(cities.empty());
    return cities;
}

std::string Pair(int a, int b) { return std::to_string(a) + " -> " + std::to_string(b); }

TEST(ShippedRouteSteps, EveryListedRouteOfEveryPairAtTheDefaults) {
    Searcher searcher;
    for (Shipped& c : ShippedCities()) {
        TCity& city = c.loaded->City;
        SCOPED_TRACE(c.file);
        searcher.Load(city);
        for (int a = 1; a <= city.NumOfStations; ++a)
            for (int b = 1; b <= city.NumOfStations; ++b) {
                if (a == b) continue;
                TSearchRequest request;
                request.StartStation = static_cast<std::uint8_t>(a);
                request.EndStation = static_cast<std::uint8_t>(b);
                const TSearchOutcome outcome = searcher.Command(city, request);
                ASSERT_EQ(outcome.Listed.size(), outcome.Entries.size()) << Pair(a, b);
                for (std::size_t i = 0; i < outcome.Listed.size(); ++i) {
                    const auto& steps = outcome.Listed[i].Steps;
                    ASSERT_TRUE(steps) << Pair(a, b) << ", route " << i + 1;
                    ASSERT_EQ(CheckRouteSteps(city, city.EffectiveWait, request.StartStation, request.EndStation,
                                              searcher.list->Route(static_cast<int>(i) + 1), *steps),
                              "")
                        << Pair(a, b) << ", route " << i + 1;
                }
            }
    }
}

// The cases the search treats specially, counted over the sample so that the test
// shows they were met.
struct Seen {
    int zeroLengthLastRide = 0, transferAfterTransfer = 0, endLineTwice = 0;
    int ringForward = 0, ringBackward = 0, twinRecords = 0;
};

void Count(const TCity& city, std::uint8_t finish, const TRouteSteps& steps, Seen& seen) {
    int endLineRides = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (const auto* ride = std::get_if<TRideStep>(&steps[i])) {
            endLineRides += ride->Line == city.Station(finish).Line;
            if (ride->Toward == 0 && ride->Stations.size() > 2)
                ++(ride->Direction == TDirection::Forward ? seen.ringForward : seen.ringBackward);
        } else if (i > 0 && std::holds_alternative<TTransferStep>(steps[i - 1])) {
            ++seen.transferAfterTransfer;
        }
    }
    seen.endLineTwice += endLineRides >= 2;
    seen.zeroLengthLastRide += !steps.empty() && std::holds_alternative<TTransferStep>(steps.back());
}

TEST(ShippedRouteSteps, EveryStoredRecordOfASampleAcrossSettings) {
    Searcher searcher;
    const TRouteList* list = searcher.list.get();
    Seen seen;
    for (Shipped& c : ShippedCities()) {
        const TCity& city = c.loaded->City;
        SCOPED_TRACE(c.file);
        searcher.Load(city);
        const int n = city.NumOfStations;
        const int stride = std::max(1, n * (n - 1) / 60);  // about 60 ordered pairs
        int index = 0;
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b) {
                if (a == b || index++ % stride != 0) continue;
                const auto start = static_cast<std::uint8_t>(a), finish = static_cast<std::uint8_t>(b);
                for (const TWaitTable* waits : {&city.DayWait, &city.EveningWait, &city.ZeroWait})
                    for (int changes = 0; changes <= 5; ++changes)
                        for (int timeDiff : {1, 10, 25}) {
                            searcher.Search(*waits, changes, timeDiff).FindRoutes(start, finish);
                            for (int i = 1; i <= list->RouteCount; ++i) {
                                const TRoute& route = list->Route(i);
                                const auto steps = RouteSteps(city, *waits, start, finish, route);
                                const std::string where = Pair(a, b) + ", changes " + std::to_string(changes) +
                                                          ", window " + std::to_string(timeDiff) + ", record " +
                                                          std::to_string(i);
                                ASSERT_TRUE(steps) << where;
                                ASSERT_EQ(CheckRouteSteps(city, *waits, start, finish, route, *steps), "") << where;
                                Count(city, finish, *steps, seen);
                                seen.twinRecords +=
                                    i > 1 && std::memcmp(&route, &list->Route(i - 1), sizeof route) == 0;
                            }
                        }
            }
    }
    EXPECT_GT(seen.zeroLengthLastRide, 0);
    EXPECT_GT(seen.transferAfterTransfer, 0);
    EXPECT_GT(seen.endLineTwice, 0);
    EXPECT_GT(seen.ringForward, 0);
    EXPECT_GT(seen.ringBackward, 0);
    EXPECT_GT(seen.twinRecords, 0);
}

}  // namespace
}  // namespace tnx::test
