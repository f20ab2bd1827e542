#include "city/draw/label_reading.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tnx::city::draw {
namespace {

const QColor kRed(200, 0, 0);
const QColor kBlue(0, 0, 200);

// Names 10 px high, so a column of names one under the other is 12 px a row.
class ReadingTest : public ::testing::Test {
protected:
    // A mark and its name, whose ink starts at (left, top).
    void Station(int number, QColor colour, QPointF mark, double left, double top, const QString& name,
                 bool inOperation = true) {
        layout_.marks.push_back({mark, colour, inOperation, name, number});
        StationLabel label;
        label.station = number;
        label.text = name;
        label.ink = QRectF(left, top, 8.0 * name.size(), 10);
        label.inOperation = inOperation;
        layout_.labels.push_back(label);
    }

    std::vector<std::string> Found() const { return FindNamesReadWithOtherLines(layout_); }

    bool Mentions(const std::string& text) const {
        const auto found = Found();
        return std::any_of(found.begin(), found.end(),
                           [&](const std::string& f) { return f.find(text) != std::string::npos; });
    }

    SchemeLayout layout_;
};

TEST(NameBesideMark, LevelWithTheRowOnEitherSideButNotAtACorner) {
    const QRectF ink(110, 95, 40, 10);
    EXPECT_TRUE(NameBesideMark(ink, {104, 100}));
    EXPECT_TRUE(NameBesideMark(ink, {156, 100}));
    EXPECT_TRUE(NameBesideMark(ink, {104, 109})) << "the ring still reaches the row";
    EXPECT_FALSE(NameBesideMark(ink, {104, 111})) << "a corner";
    EXPECT_FALSE(NameBesideMark(ink, {130, 100})) << "under the name, not beside it";
    EXPECT_FALSE(NameBesideMark(ink, {130, 112})) << "below";
}

TEST(NamesStackedAndRunTogether, ByTheGapAndHowMuchTheyShare) {
    const QRectF a(100, 100, 40, 10);
    EXPECT_TRUE(NamesStacked(a, {110, 112, 60, 10}));
    EXPECT_TRUE(NamesStacked(a, {100, 87, 16, 10})) << "above, a short name within the column";
    EXPECT_FALSE(NamesStacked(a, {100, 115, 40, 10})) << "a row apart and more";
    EXPECT_FALSE(NamesStacked(a, {125, 112, 40, 10})) << "sharing less than half of the shorter";
    EXPECT_FALSE(NamesStacked(a, {100, 105, 40, 10})) << "overlapping is a clash, not a list";

    EXPECT_TRUE(NamesRunTogether(a, {143, 102, 30, 10}));
    EXPECT_TRUE(NamesRunTogether(a, {70, 98, 26, 10})) << "on the left";
    EXPECT_FALSE(NamesRunTogether(a, {146, 100, 30, 10})) << "two spaces apart read as two";
    EXPECT_FALSE(NamesRunTogether(a, {143, 107, 30, 10})) << "half a row lower";
}

// Line 1 runs down x = 100 with its names to the east; a name of line 2 set at its
// mark's corner under the last of them reads as one more station of line 1.
TEST_F(ReadingTest, ANameUnderAnotherLinesListContinuesIt) {
    Station(1, kRed, {100, 105}, 106, 100, "Alpha");
    Station(2, kRed, {100, 117}, 106, 112, "Beta");
    Station(3, kBlue, {160, 140}, 106, 124, "Gamma");  // its mark is below and right
    Station(4, kBlue, {180, 152}, 106, 136, "Delta");  // under Gamma: read on with it
    const auto found = Found();
    EXPECT_TRUE(
        Mentions("name of station 3 \"Gamma\" reads as another line's: it continues the list of station 2 \"Beta\""));
    EXPECT_TRUE(Mentions("name of station 4 \"Delta\" reads as another line's: it continues the list of station 2"));
    EXPECT_EQ(found.size(), 2u);
}

TEST_F(ReadingTest, OwnLinesCornerNamesAndNamesBesideTheirMarksReadRight) {
    Station(1, kRed, {100, 105}, 106, 100, "Alpha");
    Station(2, kRed, {130, 140}, 106, 112, "Beta");    // line 1's own, at a corner
    Station(3, kBlue, {294, 129}, 300, 124, "Gamma");  // beside its own mark
    Station(4, kBlue, {310, 160}, 300, 136, "Delta");  // under Gamma, its own line's
    EXPECT_TRUE(Found().empty()) << Found().front();
}

TEST_F(ReadingTest, AGreyPlannedNameDoesNotReadOnInABlackList) {
    Station(1, kRed, {100, 105}, 106, 100, "Alpha");
    Station(2, kBlue, {160, 140}, 106, 112, "Beta", false);
    EXPECT_TRUE(Found().empty());
    layout_.labels.back().inOperation = true;
    layout_.marks.back().inOperation = true;
    EXPECT_TRUE(Mentions("station 2 \"Beta\" reads as another line's"));
}

TEST_F(ReadingTest, NamesRunTogetherOnARowAreReportedOnce) {
    Station(1, kRed, {100, 105}, 106, 100, "Alpha");
    Station(2, kBlue, {200, 105}, 149, 100, "Beta");  // 3 px after Alpha's last glyph
    Station(3, kBlue, {400, 105}, 300, 100, "Gamma");
    Station(4, kRed, {400, 105}, 348, 100, "Delta");  // 8 px after Gamma's
    const auto found = Found();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "name of station 1 \"Alpha\" runs into the name of station 2 \"Beta\" on its row");
}

}  // namespace
}  // namespace tnx::city::draw
