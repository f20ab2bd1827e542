#include <gtest/gtest.h>

#include <memory>

#include "engine/search_data.h"
#include "engine/search_index.h"
#include "engine/wait_bound.h"
#include "tests/engine/searcher.h"
#include "tests/engine/test_city.h"

namespace tnx {
namespace {

TEST(SearchIndex, RidesAndBoundsOfTheReferenceCity) {
    const TCity city = test::ReferenceCity();
    auto index = std::make_unique<TSearchIndex>();
    BuildSearchIndex(city, *index);

    const TRideEntry& ride = index->Rides[12][15][0];
    EXPECT_TRUE(ride.Possible);
    EXPECT_EQ(ride.Minutes, 6);
    EXPECT_TRUE(ride.Stations.Has(13) && ride.Stations.Has(14) && !ride.Stations.Has(16));
    EXPECT_TRUE(index->Rides[9][9][0].ZeroLength);
    EXPECT_EQ(index->Rides[36][29][0].Minutes, 15);  // backward, towards 35

    EXPECT_EQ(index->MinChanges[1][2], 1);
    EXPECT_EQ(index->MinChanges[2][2], 0);
    EXPECT_EQ(index->MinChanges[1][4], 0xFF);  // no such line
}

TEST(SearchIndex, UnreachableStationsHaveNoBound) {
    TCity city = test::ReferenceCity();
    city.Transfer(1, 2, 1) = {};
    city.Transfer(2, 1, 1) = {};
    city.Transfer(2, 3, 1) = {};
    city.Transfer(3, 2, 1) = {};
    auto index = std::make_unique<TSearchIndex>();
    BuildSearchIndex(city, *index);
    EXPECT_EQ(index->MinChanges[1][2], 0xFF);
}

TEST(WaitBounds, CountRidingWalkingAndOneWaitPerRide) {
    TCity city = test::ReferenceCity();
    auto bounds = std::make_unique<TWaitBounds>();
    auto data = std::make_unique<TSearchData>(city);
    const std::uint16_t* to29 = WaitBoundsTo(*data, city.DayWait, *bounds, 29);
    EXPECT_EQ(to29[12], 28);  // (6 + 3) + 1 + (15 + 3): the best route itself
    EXPECT_EQ(to29[36], 15 + 3);
    EXPECT_EQ(to29[29], 0);
    EXPECT_EQ(WaitBoundsTo(*data, city.DayWait, *bounds, 9)[12], 16);  // the transfer arrives at the end: one wait

    EXPECT_EQ(WaitBoundsTo(*data, city.ZeroWait, *bounds, 29)[12], 22);  // a new wait table is worked out anew
    EXPECT_EQ(WaitBoundsTo(*data, city.DayWait, *bounds, 29)[12], 28);

    // New data, with the same waits and the same storage: nothing of the old data's is kept.
    city.Transfer(1, 2, 1) = {};
    city.Transfer(1, 3, 1) = {};
    data.reset();
    data = std::make_unique<TSearchData>(city);
    EXPECT_EQ(WaitBoundsTo(*data, city.DayWait, *bounds, 29)[12], 0xFFFF);  // line 1 is cut off
}

// The search reads the city through its data and adds the waits it is given, whatever
// the city's effective table holds.
TEST(SearchData, SearchUsesItsDataAndTheGivenWaits) {
    TCity city = test::ReferenceCity();
    test::Searcher searcher;
    const auto onlyTime = [&](const TWaitTable& waits) {
        searcher.Search(waits, 0, 10).FindRoutes(12, 13);
        return searcher.list->RouteCount == 1 ? searcher.list->Route(1).Time : -1;
    };
    searcher.Load(city);
    ASSERT_EQ(city.EffectiveWait, city.DayWait);
    EXPECT_EQ(onlyTime(city.DayWait), 3 + 3);
    EXPECT_EQ(onlyTime(city.ZeroWait), 3);
    EXPECT_EQ(onlyTime(city.EveningWait), 3 + 5);
    EXPECT_EQ(city.EffectiveWait, city.DayWait);  // the search leaves the city alone

    city.Station(12).MinutesToNext = 7;  // a table changes: the data is built anew
    searcher.Load(city);
    EXPECT_EQ(onlyTime(city.DayWait), 7 + 3);
}

}  // namespace
}  // namespace tnx
