#include "city/draw/drawing_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "synthetic_city.h"

namespace tnx::city::draw {
namespace {

using testing::SyntheticCity;

SyntheticCity Valid() {
    SyntheticCity city;
    city.Line(1, Qt::red).Line(2, Qt::blue);
    city.Station(1, 1, 20, 20).Station(2, 1, 80, 20).Station(3, 2, 50, 50).Link(1, 2);
    city.Transfer(2, 3);
    return city;
}

TEST(DrawingCheck, AcceptsAConsistentCityAndABendWithXZero) {
    SyntheticCity city = Valid();
    EXPECT_EQ(FindDrawingProblem(city.city()), "");
    city.Get(1).bendToNext = Point{0, 900};  // no bend, whatever its Y
    EXPECT_EQ(FindDrawingProblem(city.city()), "");
}

TEST(DrawingCheck, NamesFileLineAndFieldOfEachProblem) {
    const std::pair<std::function<void(SyntheticCity&)>, std::string> cases[] = {
        {[](auto& c) { c.Get(2).next = 9; }, "stations.txt:3: station 2: Next 9 is not a station"},
        {[](auto& c) { c.Get(1).prev = 7; }, "station 1: Prev 7 is not a station"},
        {[](auto& c) { c.Transfer(3, 40); }, "transfers.txt:2: To 40 is not a station"},
        {[](auto& c) { c.Get(3).line = 4; }, "station 3: Line 4 is not in lines.txt"},
        {[](auto& c) { c.Get(1).x = 591; }, "X, Y (591, 20) lies outside"},
        {[](auto& c) {
             c.Get(1).bendToNext = Point{50, 600};
         },
         "BendNext (50, 600) lies outside"},
        {[](auto& c) { c.Station(2, 1, 30, 30); }, "No 2 is listed twice"},
        {[](auto& c) { c.Line(2, Qt::green); }, "lines.txt:2: Line 2 is listed twice"},
        {[](auto& c) { c.Line(12, Qt::green); }, "Line 12 is outside 1..11"},
    };
    for (const auto& [breakIt, expected] : cases) {
        SyntheticCity city = Valid();
        breakIt(city);
        const std::string problem = FindDrawingProblem(city.city());
        EXPECT_NE(problem.find(expected), std::string::npos) << "expected: " << expected << "\ngot: " << problem;
    }
    EXPECT_NE(FindDrawingProblem(SyntheticCity().city()).find("no lines"), std::string::npos);
}

}  // namespace
}  // namespace tnx::city::draw
