#include <gtest/gtest.h>

#include <memory>

#include "engine/route_search.h"
#include "engine/search_index.h"
#include "engine/wait_bound.h"
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
    auto index = std::make_unique<TSearchIndex>();
    BuildSearchIndex(city, *index);
    PrepareWaitBounds(city, *bounds);
    city.EffectiveWait = city.DayWait;
    const std::uint16_t* to29 = WaitBoundsTo(city, *index, *bounds, 29);
    EXPECT_EQ(to29[12], 28);  // (6 + 3) + 1 + (15 + 3): the best route itself
    EXPECT_EQ(to29[36], 15 + 3);
    EXPECT_EQ(to29[29], 0);
    EXPECT_EQ(WaitBoundsTo(city, *index, *bounds, 9)[12], 16);  // the transfer arrives at the end: one wait

    city.EffectiveWait = city.ZeroWait;  // a new wait table is worked out anew
    EXPECT_EQ(WaitBoundsTo(city, *index, *bounds, 29)[12], 22);

    city.Transfer(1, 2, 1) = {};
    city.Transfer(1, 3, 1) = {};
    BuildSearchIndex(city, *index);
    PrepareWaitBounds(city, *bounds);
    EXPECT_EQ(WaitBoundsTo(city, *index, *bounds, 29)[12], 0xFFFF);  // line 1 is cut off
}

TEST(SearchIndex, IsRebuiltWhenTheCityChanges) {
    TCity city = test::ReferenceCity();
    auto list = std::make_unique<TRouteList>();
    TRouteSearch(city, *list, 0, 10).FindRoutes(12, 13);
    ASSERT_EQ(list->RouteCount, 1);
    EXPECT_EQ(list->Route(1).Time, 3 + 3);
    city.Station(12).MinutesToNext = 7;  // same station count, same lines: only the table differs
    TRouteSearch(city, *list, 0, 10).FindRoutes(12, 13);
    ASSERT_EQ(list->RouteCount, 1);
    EXPECT_EQ(list->Route(1).Time, 7 + 3);
}

}  // namespace
}  // namespace tnx
