#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "engine/route_ranking.h"

namespace tnx {
namespace {

struct R {
    int time;
    int changes;
    std::vector<int> stations;
};

class RankingTest : public ::testing::Test {
protected:
    std::unique_ptr<TRouteList> list = std::make_unique<TRouteList>();
    std::unique_ptr<TRouteScratch> scratch = std::make_unique<TRouteScratch>();

    void Fill(const std::vector<R>& routes) {
        list->RouteCount = 0;
        list->BestTime = 255;
        for (const R& r : routes) {
            TRoute route{};
            route.Time = static_cast<std::uint8_t>(r.time);
            route.Changes = static_cast<std::uint8_t>(r.changes);
            for (int s : r.stations) route.Stations.Add(static_cast<std::uint8_t>(s));
            list->Route(++list->RouteCount) = route;
            if (route.Time < list->BestTime) list->BestTime = route.Time;
        }
    }

    std::vector<std::pair<int, int>> Listed() const {
        std::vector<std::pair<int, int>> out;
        for (int i = 1; i <= list->RouteCount; ++i) out.emplace_back(list->Route(i).Time, list->Route(i).Changes);
        return out;
    }
};

using Pairs = std::vector<std::pair<int, int>>;

TEST_F(RankingTest, WorkedExampleWindowOptimalAndByChanges) {
    const std::vector<R> routes = {{25, 2, {1, 3}}, {30, 0, {1, 4}}, {20, 2, {1, 5}}, {22, 1, {1, 6}}};
    Fill(routes);
    RankRoutes(*list, *scratch, {10, false, false});
    EXPECT_EQ(Listed(), (Pairs{{20, 2}, {22, 1}, {25, 2}, {30, 0}}));  // 30 - 20 = 10 stays

    Fill(routes);
    RankRoutes(*list, *scratch, {10, true, false});
    EXPECT_EQ(Listed(), (Pairs{{20, 2}, {22, 1}, {30, 0}}));

    Fill(routes);
    RankRoutes(*list, *scratch, {10, true, true});
    EXPECT_EQ(Listed(), (Pairs{{30, 0}, {22, 1}, {20, 2}}));

    Fill(routes);
    RankRoutes(*list, *scratch, {9, false, false});
    EXPECT_EQ(Listed(), (Pairs{{20, 2}, {22, 1}, {25, 2}}));
}

TEST_F(RankingTest, SupersetFilterDropsLaterRoutesThroughEveryStationOfAnEarlierOne) {
    Fill({{10, 0, {1, 2}}, {12, 1, {1, 2, 3}}, {11, 0, {1, 2}}, {13, 1, {4, 5}}});
    DropRedundant(*list, false);
    EXPECT_EQ(Listed(), (Pairs{{10, 0}, {13, 1}}));

    // Empty station sets never count as contained.
    Fill({{10, 0, {}}, {12, 1, {1, 2}}, {13, 1, {}}});
    DropRedundant(*list, false);
    EXPECT_EQ(list->RouteCount, 3);
}

TEST_F(RankingTest, DominanceNeedsStrictlyFasterAndNoMoreTransfers) {
    Fill({{20, 2, {1}}, {20, 3, {2}}, {21, 2, {3}}, {22, 1, {4}}, {23, 1, {5}}});
    DropRedundant(*list, true);
    EXPECT_EQ(Listed(), (Pairs{{20, 2}, {20, 3}, {22, 1}}));
}

TEST_F(RankingTest, ByChangesCutsToTenAfterReordering) {
    std::vector<R> routes;
    for (int i = 0; i < 11; ++i) routes.push_back({20 + i % 3, 1 + i % 2, {100 + i}});
    routes.push_back({30, 0, {200}});
    Fill(routes);
    RankRoutes(*list, *scratch, {10, false, true});
    ASSERT_EQ(list->RouteCount, kListedRoutes);
    EXPECT_EQ(list->Route(1).Time, 30);  // the slow route without transfers leads
    EXPECT_EQ(list->Route(1).Changes, 0);
    for (int i = 2; i <= list->RouteCount; ++i) EXPECT_LE(list->Route(i - 1).Changes, list->Route(i).Changes);

    Fill(routes);
    RankRoutes(*list, *scratch, {10, false, false});
    ASSERT_EQ(list->RouteCount, kListedRoutes);
    EXPECT_EQ(list->Route(kListedRoutes).Time, 22);  // the 30-minute route is cut
}

// The exchange sort the ranking is defined by, written out, to check the
// faster stable sort against it on many lists.
void ExchangeSort(std::vector<TRoute>& v, bool (*before)(const TRoute&, const TRoute&)) {
    for (std::size_t pass = 0; pass < v.size(); ++pass)
        for (std::size_t a = v.size() - 1; a-- > 0;)
            if (before(v[a + 1], v[a])) std::swap(v[a], v[a + 1]);
}

TEST_F(RankingTest, StableSortsMatchTheExchangeSort) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<TRoute> routes(1 + random() % 100);
        for (std::size_t i = 0; i < routes.size(); ++i) {
            routes[i] = TRoute{};
            routes[i].Time = static_cast<std::uint8_t>(10 + random() % 6);
            routes[i].Changes = static_cast<std::uint8_t>(random() % 3);
            routes[i].Stations.Add(static_cast<std::uint8_t>(1 + i));  // identity
        }
        list->RouteCount = static_cast<std::uint16_t>(routes.size());
        list->BestTime = 10;
        for (std::size_t i = 0; i < routes.size(); ++i) list->Route(static_cast<int>(i + 1)) = routes[i];

        std::vector<TRoute> expected = routes;
        ExchangeSort(expected, [](const TRoute& a, const TRoute& b) {
            return a.Time < b.Time || (a.Time == b.Time && a.Changes < b.Changes);
        });
        SortByTime(*list, *scratch, 255);
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(list->Route(static_cast<int>(i + 1)).Stations, expected[i].Stations);

        ExchangeSort(expected, [](const TRoute& a, const TRoute& b) { return a.Changes < b.Changes; });
        SortByChanges(*list, *scratch);
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(list->Route(static_cast<int>(i + 1)).Stations, expected[i].Stations);
    }
}

TEST_F(RankingTest, OptimalListHasFewerTransfersThanEveryFasterRoute) {
    std::mt19937 random(11);
    for (int round = 0; round < 100; ++round) {
        std::vector<R> routes;
        const int count = 2 + static_cast<int>(random() % 30);
        for (int i = 0; i < count; ++i)
            routes.push_back({20 + static_cast<int>(random() % 12), static_cast<int>(random() % 5), {i + 1}});
        Fill(routes);
        RankRoutes(*list, *scratch, {10, true, false});
        for (int i = 1; i <= list->RouteCount; ++i) {
            for (int j = 1; j <= list->RouteCount; ++j) {
                if (list->Route(j).Time < list->Route(i).Time) {
                    ASSERT_LT(list->Route(i).Changes, list->Route(j).Changes);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tnx
