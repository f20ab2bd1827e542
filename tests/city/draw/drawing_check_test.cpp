#include "city/draw/drawing_check.h"

#include <gtest/gtest.h>

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

void ExpectProblem(const SyntheticCity& city, const std::string& part) {
    const std::string problem = FindDrawingProblem(city.city());
    EXPECT_NE(problem.find(part), std::string::npos) << "got: " << problem;
}

TEST(DrawingCheck, AcceptsAConsistentCity) { EXPECT_EQ(FindDrawingProblem(Valid().city()), ""); }

TEST(DrawingCheck, NamesFileLineAndFieldOfBrokenLinks) {
    SyntheticCity next = Valid();
    next.Get(2).next = 9;
    ExpectProblem(next, "stations.txt:3: station 2: Next 9 is not a station");

    SyntheticCity prev = Valid();
    prev.Get(1).prev = 7;
    ExpectProblem(prev, "Prev 7 is not a station");

    SyntheticCity transfer = Valid();
    transfer.Transfer(3, 40);
    ExpectProblem(transfer, "transfers.txt:2: To 40 is not a station");

    SyntheticCity line = Valid();
    line.Get(3).line = 4;
    ExpectProblem(line, "Line 4 is not in lines.txt");
}

TEST(DrawingCheck, RejectsPointsOutsideTheScheme) {
    SyntheticCity station = Valid();
    station.Get(1).x = 591;
    ExpectProblem(station, "X, Y (591, 20) lies outside");

    SyntheticCity bend = Valid();
    bend.Get(1).bendToNext = Point{50, 600};
    ExpectProblem(bend, "BendNext (50, 600) lies outside");

    // A bend with X 0 is no bend, whatever its Y.
    SyntheticCity noBend = Valid();
    noBend.Get(1).bendToNext = Point{0, 900};
    EXPECT_EQ(FindDrawingProblem(noBend.city()), "");
}

TEST(DrawingCheck, RejectsDuplicatesAndMissingLines) {
    SyntheticCity twice = Valid();
    twice.Station(2, 1, 30, 30);
    ExpectProblem(twice, "No 2 is listed twice");

    SyntheticCity twoLines = Valid();
    twoLines.Line(2, Qt::green);
    ExpectProblem(twoLines, "Line 2 is listed twice");

    SyntheticCity noLines;
    ExpectProblem(noLines, "no lines");

    SyntheticCity twelve = Valid();
    twelve.Line(12, Qt::green);
    ExpectProblem(twelve, "Line 12 is outside 1..11");
}

}  // namespace
}  // namespace tnx::city::draw
