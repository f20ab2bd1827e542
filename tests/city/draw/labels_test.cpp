#include <gtest/gtest.h>

#include "city/draw/label_clashes.h"
#include "city/draw/label_placement.h"
#include "city/draw/scheme_layout.h"
#include "synthetic_city.h"

namespace tnx::city::draw {
namespace {

using testing::SyntheticCity;

TEST(StationDisplayName, DropsOnlyATrailingTildeAndOneCharacter) {
    EXPECT_EQ(StationDisplayName("Проспект Мира~6"), QStringLiteral("Проспект Мира"));
    EXPECT_EQ(StationDisplayName("Проспект Мира~Ж"), QStringLiteral("Проспект Мира"));
    EXPECT_EQ(StationDisplayName("Госпром"), QStringLiteral("Госпром"));
    EXPECT_EQ(StationDisplayName("A~10"), QStringLiteral("A~10"));
    EXPECT_EQ(StationDisplayName("Name~"), QStringLiteral("Name~"));
    EXPECT_EQ(StationDisplayName("~1"), QString());
    EXPECT_EQ(StationDisplayName(""), QString());
}

TEST(LabelPlacement, BoxClearsTheMarkOnItsSideAndTakesTheOffset) {
    const QPointF centre(100.5, 100.5);
    const QSizeF text(40, 12);
    const auto box = [&](LabelSide side, int dx = 0, int dy = 0) {
        return LabelBox(centre, LabelPlacement{side, dx, dy}, text);
    };
    EXPECT_GE(box(LabelSide::E).left(), 105);
    EXPECT_NEAR(box(LabelSide::E).center().y(), 100.5, 1);
    EXPECT_LE(box(LabelSide::W).right(), 96);
    EXPECT_NEAR(box(LabelSide::W).center().y(), 100.5, 1);
    EXPECT_LE(box(LabelSide::N).bottom(), 96);
    EXPECT_NEAR(box(LabelSide::N).center().x(), 100.5, 1);
    EXPECT_GE(box(LabelSide::S).top(), 105);
    EXPECT_GE(box(LabelSide::SE).left(), 102);
    EXPECT_GE(box(LabelSide::SE).top(), 102);
    EXPECT_LE(box(LabelSide::NW).right(), 99);
    EXPECT_LE(box(LabelSide::NW).bottom(), 99);
    EXPECT_EQ(box(LabelSide::E, 3, -4), box(LabelSide::E).translated(3, -4));
    EXPECT_EQ(box(LabelSide::E).size(), text);
}

TEST(LabelClashes, ReportsNamesOnTracksOtherNamesAndTheEdge) {
    SyntheticCity city;
    city.Line(1, QColor(200, 0, 0));
    // 1's name to the east runs along its own track to 2.
    city.Station(1, 1, 100, 100, LabelSide::E, "Alpha").Station(2, 1, 200, 100, LabelSide::N, "Beta");
    city.Link(1, 2);
    // 3 and 4 are close; their names overlap.
    city.Station(3, 1, 100, 300, LabelSide::E, "Gamma").Station(4, 1, 104, 312, LabelSide::N, "Delta");
    // 5's name runs off the right edge.
    city.Station(5, 1, 580, 400, LabelSide::E, "Epsilon");
    // 6 stands alone with room around it.
    city.Station(6, 1, 300, 500, LabelSide::E, "Zeta");

    const std::vector<std::string> clashes = FindLabelClashes(LayOutScheme(city.city()));
    const auto mentions = [&](const std::string& text) {
        return std::any_of(clashes.begin(), clashes.end(),
                           [&](const std::string& c) { return c.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("station 1 \"Alpha\" touches a track"));
    EXPECT_TRUE(mentions("\"Gamma\" touches the name of station 4"));
    EXPECT_TRUE(mentions("station 5 \"Epsilon\" runs off the scheme"));
    EXPECT_FALSE(mentions("Beta\" touches"));
    EXPECT_FALSE(mentions("Zeta\" touches"));
}

}  // namespace
}  // namespace tnx::city::draw
