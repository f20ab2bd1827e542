#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "city/draw/mark_clearance.h"
#include "city/draw/scheme_layout.h"
#include "synthetic_city.h"

namespace tnx::city::draw {
namespace {

using testing::SyntheticCity;

TEST(MarksCrowdedByTracks, ReportsMarksWithoutBackgroundBeforeAnotherLinesTrack) {
    SyntheticCity city;
    city.Line(1, QColor(200, 0, 0)).Line(2, QColor(0, 0, 200)).Line(3, QColor(0, 150, 0));
    // Line 2 runs down x = 200; a mark's ring (4.5 px) and half the track (2.5 px)
    // leave one pixel of background at 8 px.
    city.Station(10, 2, 200, 100).Station(11, 2, 200, 500).Link(10, 11);
    city.Station(1, 1, 207, 150).Station(2, 1, 208, 200).Station(3, 1, 190, 250);
    // A mark of line 2 itself on its own track.
    city.Station(4, 2, 203, 300);
    // A station not in operation has a smaller mark; the same spot crowds an open one.
    city.Station(5, 1, 207, 350).Closed(5);
    // A planned track is thinner: 7 px from it leaves a pixel, 6 does not.
    city.Station(20, 3, 400, 100).Station(21, 3, 400, 500).Link(20, 21).Closed(20);
    city.Station(6, 1, 407, 200).Station(7, 1, 406, 300);

    const std::vector<std::string> crowded = FindMarksCrowdedByTracks(LayOutScheme(city.city()));
    const auto mentions = [&](int station) {
        const std::string text = "station " + std::to_string(station) + " ";
        return std::any_of(crowded.begin(), crowded.end(),
                           [&](const std::string& c) { return c.rfind("mark of " + text, 0) == 0; });
    };
    EXPECT_TRUE(mentions(1));
    EXPECT_TRUE(mentions(7));
    for (const int clear : {2, 3, 4, 5, 6, 10, 11, 20, 21}) {
        EXPECT_FALSE(mentions(clear)) << clear;
    }
    EXPECT_EQ(crowded.size(), 2u);
}

TEST(MarksOnRivers, ReportsMarksWithoutBackgroundBeforeTheBank) {
    SyntheticCity city;
    city.Line(1, QColor(200, 0, 0));
    // A river 10 px wide along y = 300 from off the scheme; its bank is 5 px from
    // the middle, an open mark reaches 4.5 px and a planned one 3.25 px.
    city.River(10, {{-100, 300}, {300, 300}, {300, 700}});
    city.Station(1, 1, 100, 311).Station(2, 1, 150, 310).Station(3, 1, 200, 290);
    city.Station(4, 1, 250, 309).Closed(4).Station(5, 1, 260, 310).Closed(5);
    city.Station(6, 1, 311, 450).Station(7, 1, 290, 450).Station(8, 1, 300, 300);

    const std::vector<std::string> flooded = FindMarksOnRivers(LayOutScheme(city.city()));
    std::vector<int> stations;
    for (const std::string& f : flooded) {
        int station = 0;
        ASSERT_EQ(std::sscanf(f.c_str(), "mark of station %d", &station), 1) << f;
        EXPECT_NE(f.find(" lies on a river"), std::string::npos) << f;
        stations.push_back(station);
    }
    EXPECT_EQ(stations, (std::vector<int>{2, 3, 4, 7, 8}));
}

}  // namespace
}  // namespace tnx::city::draw
