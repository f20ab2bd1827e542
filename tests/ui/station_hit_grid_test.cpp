#include <gtest/gtest.h>

#include "tests/engine/test_city.h"
#include "ui/station_hit_grid.h"

namespace tnx::ui::test {
namespace {

using tnx::test::MakeCity;
using tnx::test::StationRow;

constexpr std::uint8_t kNear = TStationHitGrid::kNearStation;

TCity CityOf(const std::vector<StationRow>& rows) { return MakeCity(2, rows, {}, {1}, {1}); }

TEST(StationHitGrid, SquaresBandsAndOverlaps) {
    // 2 and 5 are 6 pixels apart; 7 lies 12 pixels right of 5, so its 9 x 9 square
    // overlaps 5's near band; 9 is not in operation.
    const TCity city = CityOf({{2, "a", 1, 100, 100, 0, 0, 0, 0, 1},
                               {5, "b", 1, 106, 100, 0, 0, 0, 0, 1},
                               {3, "c", 1, 118, 100, 0, 0, 0, 0, 1},
                               {9, "d", 1, 300, 300, 0, 0, 0, 0, 0}});
    TStationHitGrid grid;
    grid.Build(city);

    EXPECT_EQ(grid.At(96, 96), 2) << "corner of 2's 9 x 9 square";
    EXPECT_EQ(grid.At(101, 100), 2);
    EXPECT_EQ(grid.At(102, 100), 5) << "where 2 and 5 overlap the higher number wins";
    EXPECT_EQ(grid.At(104, 104), 5);
    EXPECT_EQ(grid.At(95, 100), kNear) << "5 pixels off: near, not on";
    EXPECT_EQ(grid.At(90, 90), kNear) << "corner of the 21 x 21 square";
    EXPECT_EQ(grid.At(89, 100), 0);
    EXPECT_EQ(grid.At(100, 111), 0);
    // 3's square wins over the near band of 5 although 5 is the higher number.
    EXPECT_EQ(grid.At(114, 100), 3);
    EXPECT_EQ(grid.At(111, 100), kNear);
    // Stations not in operation are in the grid too.
    EXPECT_EQ(grid.At(300, 304), 9);
    EXPECT_EQ(grid.At(310, 300), kNear);
    EXPECT_EQ(grid.At(311, 300), 0);
}

TEST(StationHitGrid, EdgesOfTheGridAndTheActiveArea) {
    const TCity city = CityOf({{1, "a", 1, 588, 566, 0, 0, 0, 0, 1},
                               {2, "b", 1, 11, 11, 0, 0, 0, 0, 1},
                               // Broken data: off the left and top edges and far beyond the right one.
                               {3, "c", 1, 2, 3, 0, 0, 0, 0, 1},
                               {4, "d", 1, 65535, 65535, 0, 0, 0, 0, 1}});
    TStationHitGrid grid;
    grid.Build(city);

    EXPECT_EQ(grid.Cell(590, 569), 1) << "the squares are cut at the grid's last cell";
    EXPECT_EQ(grid.At(589, 568), 1);
    EXPECT_EQ(grid.At(590, 566), 0) << "X 590 is outside the active area";
    EXPECT_EQ(grid.At(588, 569), 0) << "Y 569 is outside the active area";
    EXPECT_EQ(grid.Cell(1, 1), 3);
    EXPECT_EQ(grid.At(1, 3), 0);
    EXPECT_EQ(grid.At(2, 3), 3);
    EXPECT_EQ(grid.At(0, 0), 0);
    EXPECT_EQ(grid.At(-5, 700), 0);
    EXPECT_EQ(grid.At(11, 15), 2);
    EXPECT_EQ(grid.At(20, 21), kNear);

    EXPECT_FALSE(TStationHitGrid::InActiveArea(1, 100));
    EXPECT_TRUE(TStationHitGrid::InActiveArea(2, 2));
    EXPECT_TRUE(TStationHitGrid::InActiveArea(589, 568));
    EXPECT_FALSE(TStationHitGrid::InActiveArea(589, 569));
}

TEST(StationHitGrid, RebuildForgetsTheOldCityAndCountsOnlyTheModulesStations) {
    TStationHitGrid grid;
    grid.Build(CityOf({{1, "a", 1, 100, 100, 0, 0, 0, 0, 1}}));
    TCity next = CityOf({{1, "a", 1, 400, 400, 0, 0, 0, 0, 1}, {2, "b", 1, 200, 200, 0, 0, 0, 0, 1}});
    next.NumOfStations = 1;  // record 2 exists but the module does not count it
    grid.Build(next);
    EXPECT_EQ(grid.At(100, 100), 0);
    EXPECT_EQ(grid.At(400, 400), 1);
    EXPECT_EQ(grid.At(200, 200), 0);

    next.NumOfStations = 255;  // more than the table holds: no record beyond it is read
    grid.Build(next);
    EXPECT_EQ(grid.At(200, 200), 2);
}

}  // namespace
}  // namespace tnx::ui::test
