// The packer refuses cities whose drawing would strand a ride, or whose stations
// cannot all reach each other.
#include <gtest/gtest.h>

#include "city/pack/city_pack.h"
#include "small_city.h"

namespace tnx::city {
namespace {

using testing::PackErrorsOf;
using testing::SmallCity;
using testing::StationOf;

StationSource Stop(int number, const char* name, int line, int x, int y, int next, int prev) {
    StationSource s;
    s.number = number;
    s.name = name;
    s.line = line;
    s.x = x;
    s.y = y;
    s.next = next;
    s.prev = prev;
    s.minutesToNext = next ? 2 : 0;
    s.minutesToPrev = prev ? 2 : 0;
    s.inOperation = true;
    s.where = {"stations.txt", number};
    return s;
}

// Line 1 of the small city grown into a spiral 1 - 2 - 3 - 7 - 8: from station 2 the
// end station 8 is drawn nearer to station 1 than to station 3, so a ride from 2 to 8
// sets off backwards and runs off the line at 1; from 7 a ride to 1 sets off towards 8.
CitySource SpiralCity() {
    CitySource city = SmallCity();
    StationOf(city, 1).x = 20;
    StationOf(city, 1).y = 20;
    StationOf(city, 2).x = 100;
    StationOf(city, 2).y = 20;
    StationOf(city, 3).x = 100;
    StationOf(city, 3).y = 100;
    StationOf(city, 3).next = 7;
    StationOf(city, 3).minutesToNext = 2;
    city.stations.push_back(Stop(7, "Виток", 1, 30, 100, 8, 3));
    city.stations.push_back(Stop(8, "Центр спирали", 1, 30, 40, 0, 7));
    return city;
}

std::size_t Count(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(RideDirections, AStraightLinePacks) {
    CitySource city = SpiralCity();
    // Unwound: the same chain drawn left to right.
    StationOf(city, 3).x = 60;
    StationOf(city, 3).y = 20;
    city.stations[6].x = 80;
    city.stations[6].y = 20;
    city.stations[7].x = 100;
    city.stations[7].y = 20;
    StationOf(city, 2).x = 40;
    EXPECT_EQ(PackErrorsOf(city), "");
}

TEST(RideDirections, RefusesADrawingThatStrandsARide) {
    const std::string errors = PackErrorsOf(SpiralCity());
    // The two stations whose rides set off the wrong way, each once, naming what they miss.
    EXPECT_EQ(Count(errors, "\n"), 2u) << errors;
    EXPECT_NE(errors.find("small: station 2 \"Узел~1\" (stations.txt:2): X, Y: "), std::string::npos) << errors;
    EXPECT_NE(errors.find("never reaches station 8 \"Центр спирали\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("small: station 7 \"Виток\" (stations.txt:7): X, Y: "), std::string::npos) << errors;
    EXPECT_NE(errors.find("never reaches station 1 \"Начало\""), std::string::npos) << errors;
}

TEST(Reachability, RefusesLinesNoTransferJoins) {
    CitySource city = SmallCity();
    city.transfers.clear();
    const std::string errors = PackErrorsOf(city);
    // Line 2, all of it, is cut off from station 1.
    EXPECT_EQ(Count(errors, "\n"), 1u) << errors;
    EXPECT_NE(errors.find("small: station 4 \"Север\" (stations.txt:4): transfers.txt: cannot be reached "
                          "from station 1 \"Начало\""),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("station 5 \"Узел~2\", station 6 \"Юг\""), std::string::npos) << errors;
}

TEST(Reachability, NamesEachCutOffGroupOnce) {
    // A third line of one station, joined to nothing, beside line 2 cut off too.
    CitySource city = SmallCity();
    city.transfers.clear();
    city.lines.push_back({3, {0, 128, 0}, 2, 4, "Третья", {"lines.txt", 3}});
    city.stations.push_back(Stop(7, "Одинокая", 3, 200, 200, 0, 0));
    const std::string errors = PackErrorsOf(city);
    EXPECT_EQ(Count(errors, "cannot be reached"), 2u) << errors;
    EXPECT_NE(errors.find("station 7 \"Одинокая\" (stations.txt:7): transfers.txt: cannot be reached"),
              std::string::npos)
        << errors;

    // A transfer from line 3 to line 2 joins them, but not to line 1.
    city.transfers.push_back({5, 7, 2, {"transfers.txt", 1}});
    EXPECT_EQ(Count(PackErrorsOf(city), "cannot be reached"), 1u);
    // One more to line 1 joins everything.
    city.transfers.push_back({2, 7, 2, {"transfers.txt", 2}});
    EXPECT_EQ(PackErrorsOf(city), "");
}

}  // namespace
}  // namespace tnx::city
