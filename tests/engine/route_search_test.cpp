#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/route_search.h"
#include "tests/engine/searcher.h"
#include "tests/engine/test_city.h"

namespace tnx {
namespace {

using test::MakeCity;
using test::ReferenceCity;
using test::RingCity;

TStationSet SetOf(std::initializer_list<int> stations) {
    TStationSet s{};
    for (int n : stations) s.Add(static_cast<std::uint8_t>(n));
    return s;
}

TLineSet LinesOf(std::initializer_list<int> lines) {
    TLineSet s = 0;
    for (int n : lines) s |= LineBit(static_cast<std::uint8_t>(n));
    return s;
}

class SearchTest : public ::testing::Test {
protected:
    test::Searcher searcher;
    TRouteList* list = searcher.list.get();

    // A search of city as it is now, with its effective waits.
    TRouteSearch SearchOf(const TCity& city, int changesDiff, int timeDiff, int capacity = kRouteCapacity) {
        searcher.Load(city);
        return searcher.Search(city.EffectiveWait, changesDiff, timeDiff, capacity);
    }
    int Search(const TCity& city, int from, int to, int changesDiff = 3, int timeDiff = 10) {
        SearchOf(city, changesDiff, timeDiff)
            .FindRoutes(static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to));
        return list->RouteCount;
    }
};

TEST_F(SearchTest, ReferenceCityStoresTheDescribedRouteFrom12To29) {
    const TCity city = ReferenceCity();
    ASSERT_EQ(Search(city, 12, 29), 1);
    const TRoute& r = list->Route(1);
    EXPECT_EQ(r.Time, 28);
    EXPECT_EQ(r.Changes, 1);
    EXPECT_EQ(r.ChangeStations, SetOf({15, 36}));
    EXPECT_EQ(r.Lines, LinesOf({1, 2}));
    EXPECT_EQ(r.Stations, SetOf({12, 13, 14, 15, 29, 30, 31, 32, 33, 34, 35, 36}));
    EXPECT_EQ(list->BestTime, 28);
}

TEST_F(SearchTest, ReferenceCityStoresTwoRoutesFrom12To9InDepthFirstOrder) {
    TCity city = ReferenceCity();
    ASSERT_EQ(Search(city, 12, 9), 2);
    const TRoute& first = list->Route(1);
    EXPECT_EQ(first.Time, 28);
    EXPECT_EQ(first.Changes, 2);
    EXPECT_EQ(first.ChangeStations, SetOf({6, 15, 35, 36}));
    EXPECT_EQ(first.Lines, LinesOf({1, 2, 3}));
    EXPECT_EQ(first.Stations, SetOf({6, 7, 8, 9, 12, 13, 14, 15, 35, 36}));
    const TRoute& second = list->Route(2);
    EXPECT_EQ(second.Time, 16);  // the zero-length last ride adds no wait
    EXPECT_EQ(second.Changes, 1);
    EXPECT_EQ(second.ChangeStations, SetOf({9, 17}));
    EXPECT_EQ(second.Lines, LinesOf({1, 3}));  // the end station's line counts
    EXPECT_EQ(second.Stations, SetOf({9, 12, 13, 14, 15, 16, 17}));

    city.EffectiveWait = city.ZeroWait;
    ASSERT_EQ(Search(city, 12, 9), 2);
    EXPECT_EQ(list->Route(1).Time, 17);
    EXPECT_EQ(list->Route(2).Time, 13);
}

TEST_F(SearchTest, WorkedExampleAddsRidesWaitsAndTransfer) {
    // A(1) -2- 2 -3- 3 -2- B(4) on line 1; C(5) -3- 6 -3- E(7) on line 2; B->C 4 minutes.
    const TCity city = MakeCity(4,
                                {{1, "A", 1, 20, 20, 2, 0, 2, 0, 1},
                                 {2, "p", 1, 40, 20, 3, 1, 3, 2, 1},
                                 {3, "q", 1, 60, 20, 4, 2, 2, 3, 1},
                                 {4, "B", 1, 80, 20, 0, 3, 0, 2, 1},
                                 {5, "C", 2, 80, 40, 6, 0, 3, 0, 1},
                                 {6, "r", 2, 80, 60, 7, 5, 3, 3, 1},
                                 {7, "E", 2, 80, 80, 0, 6, 0, 3, 1}},
                                {{4, 5, 4}}, {2, 3}, {2, 3});
    ASSERT_EQ(Search(city, 1, 7), 1);
    const TRoute& r = list->Route(1);
    EXPECT_EQ(r.Time, 22);
    EXPECT_EQ(r.Changes, 1);
    EXPECT_EQ(r.Lines, LinesOf({1, 2}));
    EXPECT_EQ(r.ChangeStations, SetOf({4, 5}));
    EXPECT_EQ(r.Stations, SetOf({1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(SearchTest, RouteWithoutTransfersIsStoredLastAndChangesDiffZeroKeepsOnlyIt) {
    // Line 1: 1-2-3; line 2: 4-5; transfers 1->4 and 5->3 make a detour.
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 20, 20, 2, 0, 5, 0, 1},
                                 {2, "b", 1, 40, 20, 3, 1, 5, 5, 1},
                                 {3, "c", 1, 60, 20, 0, 2, 0, 5, 1},
                                 {4, "d", 2, 20, 40, 5, 0, 1, 0, 1},
                                 {5, "e", 2, 60, 40, 0, 4, 0, 1, 1}},
                                {{1, 4, 1}, {5, 3, 1}}, {1, 1}, {1, 1});
    ASSERT_EQ(Search(city, 1, 3), 2);
    EXPECT_EQ(list->Route(1).Changes, 2);
    EXPECT_EQ(list->Route(2).Changes, 0);
    EXPECT_EQ(list->Route(2).Time, 11);

    ASSERT_EQ(Search(city, 1, 3, 0), 1);
    EXPECT_EQ(list->Route(1).Changes, 0);
    EXPECT_EQ(Search(city, 1, 5, 0), 0);  // other line, no transfer allowed
}

TEST_F(SearchTest, StoreTestComparesWithTheBestStoredSoFar) {
    // The detour (found first) is 9 minutes slower than the direct ride; with
    // TimeDiff 9 it is still stored, because nothing better was stored before it.
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 20, 20, 2, 0, 1, 0, 1},
                                 {2, "b", 1, 40, 20, 0, 1, 0, 1, 1},
                                 {3, "d", 2, 20, 40, 4, 0, 5, 0, 1},
                                 {4, "e", 2, 40, 40, 0, 3, 0, 5, 1}},
                                {{1, 3, 1}, {4, 2, 1}}, {0, 0}, {0, 0});
    ASSERT_EQ(Search(city, 1, 2, 3, 9), 2);
    EXPECT_EQ(list->Route(1).Time, 7);
    EXPECT_EQ(list->Route(2).Time, 1);
    // A window of 0 stores only a first route and then strictly faster ones.
    ASSERT_EQ(Search(city, 1, 2, 3, 0), 2);
    ASSERT_EQ(Search(city, 2, 1, 3, 0), 2);
}

TEST_F(SearchTest, TransferToAStationAlreadyPassedOrWithZeroMinutesIsNotMade) {
    TCity city = ReferenceCity();
    // Cell (1,2) option 2 with stations but 0 minutes is absent.
    city.Transfer(1, 2, 2) = {16, 35, 0};
    ASSERT_EQ(Search(city, 12, 29), 1);
    // From 13 to 14, the way back to line 1 through 36 -> 15 would arrive at 15,
    // already passed, so the only detour found runs through line 3.
    ASSERT_EQ(Search(city, 13, 14), 2);
    EXPECT_EQ(list->Route(1).Changes, 3);
    EXPECT_EQ(list->Route(1).ChangeStations, SetOf({15, 36, 35, 6, 9, 17}));
    EXPECT_EQ(list->Route(1).Time, 36);
    EXPECT_EQ(list->Route(2).Changes, 0);
    EXPECT_EQ(list->Route(2).Time, 5);
}

TEST_F(SearchTest, RingLineIsRiddenBothWaysAndAdjacentPairsStoreTwice) {
    const TCity city = RingCity(8);
    ASSERT_EQ(Search(city, 1, 2), 2);
    EXPECT_EQ(list->Route(1).Stations, list->Route(2).Stations);
    EXPECT_EQ(list->Route(1).Time, 3);

    ASSERT_EQ(Search(city, 1, 4), 2);
    EXPECT_EQ(list->Route(1).Time, 7);  // forward: 3 hops of 2 and a wait of 1
    EXPECT_EQ(list->Route(1).Stations, SetOf({1, 2, 3, 4}));
    EXPECT_EQ(list->Route(2).Time, 11);  // backward: 5 hops
    EXPECT_EQ(list->Route(2).Stations, SetOf({1, 8, 7, 6, 5, 4}));
}

TEST_F(SearchTest, OnlyLineFiveOfCityOneIsARing) {
    TCity city = RingCity(8);
    city.CityCode = 2;  // the same chain elsewhere is walked one way only
    ASSERT_EQ(Search(city, 1, 4), 1);
}

TEST_F(SearchTest, EqualDistancesWalkForward) {
    // From 2, neighbours 1 and 3 are equally far from target 5 on the drawing,
    // but only forward reaches it.
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 50, 10, 2, 0, 1, 0, 1},
                                 {2, "b", 1, 50, 50, 3, 1, 1, 1, 1},
                                 {3, "c", 1, 50, 90, 4, 2, 1, 1, 1},
                                 {4, "d", 1, 90, 90, 5, 3, 1, 1, 1},
                                 {5, "e", 1, 90, 50, 0, 4, 0, 1, 1}},
                                {}, {0}, {0});
    ASSERT_EQ(Search(city, 2, 5), 1);
    EXPECT_EQ(list->Route(1).Time, 3);
}

TEST_F(SearchTest, WalkPastALineEndMakesTheRideImpossible) {
    // Station 1 is drawn nearest to target 4, so from 2 the walk heads backward and
    // runs off the start of the line.
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 100, 100, 2, 0, 1, 0, 1},
                                 {2, "b", 1, 20, 20, 3, 1, 1, 1, 1},
                                 {3, "c", 1, 30, 30, 4, 2, 1, 1, 1},
                                 {4, "d", 1, 100, 101, 0, 3, 0, 1, 1}},
                                {}, {0}, {0});
    EXPECT_EQ(Search(city, 2, 4), 0);
    EXPECT_EQ(Search(city, 4, 2), 1);  // the other way the rule holds
}

TEST_F(SearchTest, RingWalkThatNeverMeetsItsTargetStops) {
    const TCity city = RingCity(8);
    TStationSet passed{};
    int minutes = 0;
    // Station 10 lies on line 1, never on the ring.
    EXPECT_FALSE(WalkLine(city, 1, 10, TDirection::Forward, passed, minutes));
    passed.Clear();
    EXPECT_TRUE(WalkLine(city, 1, 4, TDirection::Backward, passed, minutes));
    EXPECT_EQ(minutes, 10);
    EXPECT_EQ(passed, SetOf({1, 8, 7, 6, 5}));
}

TEST_F(SearchTest, TotalsAbove255AreNeitherStoredNorWrapped) {
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 20, 20, 2, 0, 200, 0, 1},
                                 {2, "b", 1, 40, 20, 3, 1, 50, 200, 1},
                                 {3, "c", 1, 60, 20, 0, 2, 0, 50, 1}},
                                {}, {5}, {6});
    EXPECT_EQ(Search(city, 1, 3), 1);
    EXPECT_EQ(list->Route(1).Time, 255);  // 250 + 5 still fits
    TCity evening = city;
    evening.EffectiveWait = evening.EveningWait;
    EXPECT_EQ(Search(evening, 1, 3), 0);  // 256 would wrap to 0
}

TEST_F(SearchTest, FullListStoresNothingMore) {
    const TCity city = RingCity(8);
    for (int i = 1; i <= 3; ++i) list->Route(i).Time = 99;  // sentinels past the limit
    TRouteSearch search = SearchOf(city, 3, 10, 1);
    search.FindRoutes(1, 2);  // would store the one-hop route twice
    EXPECT_EQ(list->RouteCount, 1);
    EXPECT_EQ(list->Route(1).Time, 3);
    EXPECT_EQ(list->Route(2).Time, 99);

    TRouteSearch unlimited = SearchOf(city, 3, 10, kRouteCapacity + 5);  // never above the list's size
    unlimited.FindRoutes(1, 2);
    EXPECT_EQ(list->RouteCount, 2);
}

// Two-station lines 1..lines (stations 2L-1 and 2L, 1 minute apart), each pair of
// lines joined twice by 1-minute walks: every order of lines is a route.
struct JoinedLines {
    std::vector<test::StationRow> stations;
    std::vector<test::TransferRow> transfers;

    explicit JoinedLines(int lines) {
        static const char* names[] = {"a1", "b1", "a2", "b2", "a3", "b3", "a4", "b4",  "a5",  "b5",  "a6",
                                      "b6", "a7", "b7", "a8", "b8", "a9", "b9", "a10", "b10", "a11", "b11"};
        for (int line = 1; line <= lines; ++line) {
            const int a = 2 * line - 1, b = 2 * line;
            stations.push_back({a, names[a - 1], line, 20 + 40 * line, 20, b, 0, 1, 0, 1});
            stations.push_back({b, names[b - 1], line, 20 + 40 * line, 60, 0, a, 0, 1, 1});
            for (int other = 1; other < line; ++other) {
                transfers.push_back({2 * other - 1, a, 1});
                transfers.push_back({2 * other, b, 1});
            }
        }
    }
    TCity City() const {
        return MakeCity(2, stations, transfers, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
};

// Eleven lines joined every way, no waits: far more routes within 255 minutes than the
// list holds. Once the list is full the search has nothing left to change and must
// end, at any ChangesDiff.
TEST_F(SearchTest, SearchEndsOnceTheListIsFull) {
    const TCity city = JoinedLines(11).City();
    for (int changesDiff : {6, 11, 255}) {
        TRouteSearch search = SearchOf(city, changesDiff, 255);
        search.FindRoutes(1, 22);
        EXPECT_EQ(list->RouteCount, kRouteCapacity);
        // Without the stop this visits billions of partial routes at 11 transfers.
        EXPECT_LT(search.Visited(), 1'000'000u) << changesDiff;
    }
}

// Ten lines joined every way, and the end's line entered only at a station from which
// the direction rule heads away from the end: no route exists, and the bound, which
// counts only rides the search can make, says so before any branch is tried.
TEST_F(SearchTest, EndReachableOnlyByImpossibleRidesIsCutAtOnce) {
    JoinedLines network(10);
    for (int line = 1; line <= 10; ++line) network.transfers.push_back({2 * line, 22, 1});
    // Line 11: 21 - 22 - 23 - 24; from 22 the end 24 lies nearer 21 than 23, so the ride heads for 21.
    network.stations.push_back({21, "p", 11, 100, 100, 22, 0, 1, 0, 1});
    network.stations.push_back({22, "x", 11, 300, 300, 23, 21, 1, 1, 1});
    network.stations.push_back({23, "q", 11, 550, 550, 24, 22, 1, 1, 1});
    network.stations.push_back({24, "f", 11, 110, 110, 0, 23, 0, 1, 1});
    const TCity city = network.City();
    // Bounded by hops alone, this tries every order of the lines: about 10^5 branches at
    // 5 transfers, billions at 11 (checked second, so a regression fails rather than hangs).
    for (int changesDiff : {5, 11}) {
        TRouteSearch search = SearchOf(city, changesDiff, 255);
        search.FindRoutes(1, 24);
        EXPECT_EQ(list->RouteCount, 0);
        ASSERT_LT(search.Visited(), 100u) << changesDiff;
    }
    // From 21 the ride to the end is possible (forward), so there the bound is finite.
    EXPECT_EQ(Search(city, 21, 24, 0, 10), 1);
}

TEST_F(SearchTest, StartOrEndOutsideTheCityFindsNothing) {
    const TCity city = ReferenceCity();
    EXPECT_EQ(Search(city, 0, 9), 0);
    EXPECT_EQ(Search(city, 12, 39), 0);
}

}  // namespace
}  // namespace tnx
