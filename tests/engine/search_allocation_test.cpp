// The route search and the ranking allocate nothing: over every shipped city, with two
// wait tables (so that the wait bounds are worked out anew) and lists long enough for
// every sort, not one call of operator new is made between the city's load and the
// ranked list.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "engine/route_ranking.h"
#include "shell/city_loader.h"
#include "shell/module_catalog.h"
#include "tests/engine/counting_new.h"
#include "tests/engine/searcher.h"

namespace tnx::test {
namespace {

TEST(SearchAllocation, NoneBetweenTheLoadAndTheRankedList) {
    const long before = Allocations();
    const auto probe = std::make_unique<int>(1);
    ASSERT_EQ(Allocations() - before, 1) << "the counting operator new is not the one called";

    const std::filesystem::path dir = TUNNEX_PROGRAM_DIR;
    const auto catalog = ScanCityModules(dir);
    ASSERT_FALSE(catalog.empty());
    int longest = 0;
    for (const auto& entry : catalog) {
        auto loaded = std::make_unique<TLoadedCity>();
        std::unique_ptr<CityModule> module;
        std::string error;
        const auto previous = std::make_unique<TCity>();
        ASSERT_TRUE(LoadCityFile(dir / entry.FileName, *previous, *loaded, module, error)) << error;
        const TCity& city = loaded->City;
        Searcher searcher;
        searcher.Load(city);
        const int n = city.NumOfStations;
        const int stride = std::max(1, n * (n - 1) / 400);

        const long start = Allocations();
        int index = 0, found = 0;
        for (const TWaitTable* waits : {&city.DayWait, &city.ZeroWait})
            for (int a = 1; a <= n; ++a)
                for (int b = 1; b <= n; ++b) {
                    if (a == b || index++ % stride != 0) continue;
                    for (const TRankSettings ranking :
                         {TRankSettings{10, true, false}, TRankSettings{25, false, true}}) {
                        TRouteSearch search = searcher.Search(*waits, 5, ranking.TimeDiff);
                        search.FindRoutes(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b));
                        longest = std::max<int>(longest, searcher.list->RouteCount);
                        RankRoutes(*searcher.list, searcher.work->Scratch, ranking);
                        found += searcher.list->RouteCount > 0;
                    }
                }
        EXPECT_EQ(Allocations() - start, 0) << entry.FileName;
        EXPECT_GT(found, 0) << entry.FileName;
    }
    EXPECT_GT(longest, 32) << "no list was long enough for the counting sort";
}

}  // namespace
}  // namespace tnx::test
