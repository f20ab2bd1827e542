// The steps traced for stored routes: golden walks of small cities and the edge cases
// of the search (rides of length zero, the end line twice, the ring both ways).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/route_search.h"
#include "engine/route_steps.h"
#include "tests/engine/route_steps_check.h"
#include "tests/engine/searcher.h"
#include "tests/engine/test_city.h"

namespace tnx {
namespace {

using test::MakeCity;

// "1[12 13 14 15]>24 6+3" for a ride (ring rides: "fwd"/"back" for the target),
// "15>36 1" for a transfer.
std::string Describe(const TRouteSteps& steps) {
    std::string out;
    for (const TRouteStep& step : steps) {
        if (!out.empty()) out += ", ";
        if (const auto* r = std::get_if<TRideStep>(&step)) {
            out += std::to_string(r->Line) + "[";
            for (std::size_t i = 0; i < r->Stations.size(); ++i) {
                if (i > 0) out += ' ';
                out += std::to_string(r->Stations[i]);
            }
            out += "]>";
            out += r->Toward != 0 ? std::to_string(r->Toward) : r->Direction == TDirection::Forward ? "fwd" : "back";
            out += ' ';
            out += std::to_string(r->Minutes);
            out += '+';
            out += std::to_string(r->Wait);
        } else {
            const auto& t = std::get<TTransferStep>(step);
            out += std::to_string(t.From) + ">" + std::to_string(t.To) + " " + std::to_string(t.Minutes);
        }
    }
    return out;
}

class StepsTest : public ::testing::Test {
protected:
    test::Searcher searcher;
    TRouteList* list = searcher.list.get();

    // Every stored record of an unranked search, traced and checked; their descriptions.
    std::vector<std::string> Stored(const TCity& city, int from, int to, int changes = 3, int timeDiff = 255) {
        searcher.Load(city);
        TRouteSearch search = searcher.Search(city.EffectiveWait, changes, timeDiff);
        const auto a = static_cast<std::uint8_t>(from), b = static_cast<std::uint8_t>(to);
        search.FindRoutes(a, b);
        std::vector<std::string> described;
        for (int i = 1; i <= list->RouteCount; ++i) {
            const auto steps = RouteSteps(city, city.EffectiveWait, a, b, list->Route(i));
            if (!steps) {
                ADD_FAILURE() << "record " << i << " not traced";
                continue;
            }
            EXPECT_EQ(test::CheckRouteSteps(city, city.EffectiveWait, a, b, list->Route(i), *steps), "")
                << "record " << i << ": " << Describe(*steps);
            described.push_back(Describe(*steps));
        }
        return described;
    }
};

TEST_F(StepsTest, ReferenceCityWalks) {
    TCity city = test::ReferenceCity();
    // Line 1 forward to 15 (3 + 2 + 1, heading for 24, the last station open), the
    // transfer, line 2 back to 29 (15 minutes).
    EXPECT_EQ(Stored(city, 12, 29, 3, 10),
              std::vector<std::string>{"1[12 13 14 15]>24 6+3, 15>36 1, 2[36 35 34 33 32 31 30 29]>29 15+3"});
    // The second route arrives by a transfer to the end station: its last ride has
    // length zero and is not shown.
    city.EffectiveWait = city.ZeroWait;
    EXPECT_EQ(Stored(city, 12, 9, 3, 10),
              (std::vector<std::string>{"1[12 13 14 15]>24 6+0, 15>36 1, 2[36 35]>29 2+0, 35>6 2, 3[6 7 8 9]>9 6+0",
                                        "1[12 13 14 15 16 17]>24 10+0, 17>9 3"}));
}

TEST_F(StepsTest, TransferFromTheStationTheLastOneReachedAndTheEndLineTwice) {
    // Line 1: 1-2-3-4-5, slow between 2 and 3; line 2 is station 6 alone; line 3: 7-8.
    // 2 -> 6 -> 7 are two transfers in a row; 8 -> 4 boards the end line again.
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 10, 10, 2, 0, 1, 0, 1},
                                 {2, "b", 1, 20, 10, 3, 1, 20, 1, 1},
                                 {3, "c", 1, 30, 10, 4, 2, 1, 20, 1},
                                 {4, "d", 1, 40, 10, 5, 3, 1, 1, 1},
                                 {5, "e", 1, 50, 10, 0, 4, 0, 1, 1},
                                 {6, "f", 2, 20, 30, 0, 0, 0, 0, 1},
                                 {7, "g", 3, 20, 40, 8, 0, 2, 0, 1},
                                 {8, "h", 3, 40, 40, 0, 7, 0, 2, 1}},
                                {{2, 6, 1}, {6, 7, 1}, {8, 4, 1}}, {1, 1, 1}, {2, 2, 2});
    EXPECT_EQ(Stored(city, 1, 5),
              (std::vector<std::string>{"1[1 2]>5 1+1, 2>6 1, 6>7 1, 3[7 8]>8 2+1, 8>4 1, 1[4 5]>5 1+1",
                                        "1[1 2 3 4 5]>5 23+1"}));
    // Leaving from the start by a transfer: no first ride.
    EXPECT_EQ(Stored(city, 2, 4), (std::vector<std::string>{"2>6 1, 6>7 1, 3[7 8]>8 2+1, 8>4 1", "1[2 3 4]>5 21+1"}));
}

TEST_F(StepsTest, RingBothWaysAndTheTwinOneHopRecord) {
    const TCity city = test::RingCity(8);
    EXPECT_EQ(Stored(city, 1, 3), (std::vector<std::string>{"5[1 2 3]>fwd 4+1", "5[1 8 7 6 5 4 3]>back 12+1"}));
    // Neighbours on the ring: both directions store the same one-hop record, and both
    // ride it the way the link goes.
    EXPECT_EQ(Stored(city, 1, 2), (std::vector<std::string>{"5[1 2]>fwd 2+1", "5[1 2]>fwd 2+1"}));
    EXPECT_EQ(Stored(city, 2, 1), (std::vector<std::string>{"5[2 1]>back 2+1", "5[2 1]>back 2+1"}));
    // Off the ring the same loop is ridden one way only, and has no end to head for.
    TCity loop = city;
    loop.CityCode = 2;
    EXPECT_EQ(Stored(loop, 1, 3), std::vector<std::string>{"5[1 2 3]>fwd 4+1"});
}

TEST_F(StepsTest, TowardIsTheLastOpenStationOrTheEnd) {
    // 1 open, 2 open, 3 closed, 4 open, 5 closed at the end.
    const TCity city = MakeCity(4,
                                {{1, "a", 1, 10, 10, 2, 0, 1, 0, 1},
                                 {2, "b", 1, 20, 10, 3, 1, 1, 1, 1},
                                 {3, "c", 1, 30, 10, 4, 2, 1, 1, 0},
                                 {4, "d", 1, 40, 10, 5, 3, 1, 1, 1},
                                 {5, "e", 1, 50, 10, 0, 4, 0, 1, 0}},
                                {}, {0}, {0});
    EXPECT_EQ(Stored(city, 1, 2), std::vector<std::string>{"1[1 2]>4 1+0"});
    EXPECT_EQ(Stored(city, 2, 5), std::vector<std::string>{"1[2 3 4 5]>5 3+0"});  // nothing open beyond
    EXPECT_EQ(Stored(city, 4, 2), std::vector<std::string>{"1[4 3 2]>1 2+0"});
}

TEST_F(StepsTest, OnlyARecordTheSearchStoredIsTraced) {
    const TCity city = test::ReferenceCity();
    searcher.Load(city);
    searcher.Search(city.EffectiveWait, 3, 10).FindRoutes(12, 29);
    ASSERT_EQ(list->RouteCount, 1);
    const TRoute stored = list->Route(1);
    ASSERT_TRUE(RouteSteps(city, city.EffectiveWait, 12, 29, stored));

    TRoute slower = stored;
    ++slower.Time;
    TRoute missing = stored;
    missing.Stations.Bits[33 / 8] &= static_cast<std::uint8_t>(~(1u << (33 % 8)));
    TRoute otherLines = stored;
    otherLines.Lines = static_cast<TLineSet>(otherLines.Lines | LineBit(3));
    TRoute moreChanges = stored;
    ++moreChanges.Changes;
    for (const TRoute& wrong : {slower, missing, otherLines, moreChanges})
        EXPECT_FALSE(RouteSteps(city, city.EffectiveWait, 12, 29, wrong));
    EXPECT_FALSE(RouteSteps(city, city.EffectiveWait, 12, 30, stored));  // other endpoints
    EXPECT_FALSE(RouteSteps(city, city.ZeroWait, 12, 29, stored));       // other waits
    EXPECT_FALSE(RouteSteps(city, city.EffectiveWait, 12, 12, stored));
    EXPECT_FALSE(RouteSteps(city, city.EffectiveWait, 0, 29, stored));
}

}  // namespace
}  // namespace tnx
