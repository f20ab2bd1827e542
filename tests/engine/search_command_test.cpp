#include <gtest/gtest.h>

#include <memory>

#include "engine/search_command.h"
#include "tests/engine/searcher.h"
#include "tests/engine/test_city.h"

namespace tnx {
namespace {

class SearchCommandTest : public ::testing::Test {
protected:
    TCity city = test::ReferenceCity();
    test::Searcher searcher;

    void SetUp() override { searcher.Load(city); }

    TSearchOutcome Run(int from, int to, TCitySettings settings = {}, bool day = true, bool evening = false) {
        TSearchRequest request;
        request.StartStation = static_cast<std::uint8_t>(from);
        request.EndStation = static_cast<std::uint8_t>(to);
        request.Settings = settings;
        request.DayChecked = day;
        request.EveningChecked = evening;
        return searcher.Command(city, request);
    }
};

TEST_F(SearchCommandTest, ReferenceEntriesWithDefaults) {
    auto out = Run(12, 29);
    ASSERT_EQ(out.Result, TSearchResult::Routes);
    EXPECT_EQ(out.Entries, std::vector<std::string>{"28 минут, 1 пересадка"});
    EXPECT_TRUE(out.ShownRouteStations.Has(36));
    EXPECT_TRUE(out.ShownRouteTransfers.Has(15));
    EXPECT_FALSE(out.ShownRouteTransfers.Has(12));

    out = Run(12, 9);
    EXPECT_EQ(out.Entries, std::vector<std::string>{"16 минут, 1 пересадка"});
}

TEST_F(SearchCommandTest, WaitTableFollowsTheSwitchAndButtons) {
    TCitySettings noWait;
    noWait.UseWaitTime = false;
    noWait.ShowOnlyOptimal = false;
    auto out = Run(12, 9, noWait, false, true);  // the evening button makes no difference
    EXPECT_EQ(out.Entries, (std::vector<std::string>{"13 минут, 1 пересадка", "17 минут, 2 пересадки"}));
    EXPECT_EQ(city.DayWait[0], 3);  // stored tables untouched
    EXPECT_EQ(city.EveningWait[2], 10);
    EXPECT_EQ(city.EffectiveWait, city.ZeroWait);  // the city keeps the table searched with

    noWait.ShowOnlyOptimal = true;
    EXPECT_EQ(Run(12, 9, noWait).Entries, std::vector<std::string>{"13 минут, 1 пересадка"});

    // Evening: line 1 waits 5, line 3 waits 10: 12 -> 17 is 10 + 5, transfer 3, arrive at 9.
    EXPECT_EQ(Run(12, 9, {}, false, true).Entries, std::vector<std::string>{"18 минут, 1 пересадка"});
    // Neither button checked keeps the table of the previous search.
    EXPECT_EQ(Run(12, 9, {}, false, false).Entries, std::vector<std::string>{"18 минут, 1 пересадка"});
    EXPECT_EQ(city.EffectiveWait, city.EveningWait);
    EXPECT_EQ(Run(12, 9).Entries, std::vector<std::string>{"16 минут, 1 пересадка"});
    EXPECT_EQ(city.EffectiveWait, city.DayWait);
}

// The data is the very city's: a copy of the city, even an equal one, is not searched
// with it, and what the list held before is not shown for it.
TEST_F(SearchCommandTest, DataOfAnotherCityObjectSearchesNothing) {
    ASSERT_EQ(Run(12, 29).Result, TSearchResult::Routes);
    TCity copy = city;
    TSearchRequest request;
    request.StartStation = 12;
    request.EndStation = 29;
    EXPECT_EQ(searcher.Command(copy, request).Result, TSearchResult::NoRoute);
    EXPECT_EQ(searcher.list->RouteCount, 0);
    searcher.Load(copy);
    EXPECT_EQ(searcher.Command(copy, request).Entries, std::vector<std::string>{"28 минут, 1 пересадка"});
}

TEST_F(SearchCommandTest, SameStationAndNoRoute) {
    auto first = Run(12, 29);
    auto same = Run(12, 12);
    EXPECT_EQ(same.Result, TSearchResult::SameStation);
    EXPECT_TRUE(same.Entries.empty());

    TCitySettings noChanges;
    noChanges.ChangesDiff = 0;
    auto none = Run(12, 29, noChanges);
    EXPECT_EQ(none.Result, TSearchResult::NoRoute);
    EXPECT_TRUE(none.ShownRouteStations.Empty());
    EXPECT_TRUE(none.ShownRouteTransfers.Empty());
    EXPECT_FALSE(first.ShownRouteStations.Empty());
}

TEST_F(SearchCommandTest, UnknownEndpointsFindNothingInsteadOfReadingOutsideTheCity) {
    EXPECT_EQ(Run(0, 9).Result, TSearchResult::NoRoute);
    EXPECT_EQ(Run(12, 200).Result, TSearchResult::NoRoute);
}

}  // namespace
}  // namespace tnx
