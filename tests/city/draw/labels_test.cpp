#include <gtest/gtest.h>

#include <QFontMetricsF>
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

// Which side a name lands on is checked by pixels in the scheme's tests.
TEST(LabelPlacement, BoxClearsTheMarkAndTakesTheOffset) {
    const QPointF centre(100.5, 100.5);
    const QSizeF text(40, 12);
    const QRectF east = LabelBox(centre, {LabelSide::E, 0, 0}, text);
    EXPECT_GE(east.left(), 105);
    EXPECT_NEAR(east.center().y(), 100.5, 1);
    EXPECT_EQ(east.size(), text);
    EXPECT_EQ(LabelBox(centre, {LabelSide::E, 3, -4}, text), east.translated(3, -4));
    EXPECT_LE(LabelBox(centre, {LabelSide::N, 0, 0}, text).bottom(), 96);
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
    EXPECT_FALSE(mentions("touches a river"));

    // A river through Zeta's name; one just clear of Alpha's end, which its track passes.
    const QRectF zeta = LayOutScheme(city.city()).labels.at(5).ink;
    city.River(3, {{static_cast<int>(zeta.center().x()), 480}, {static_cast<int>(zeta.center().x()), 600}});
    const QRectF alpha = LayOutScheme(city.city()).labels.at(0).ink;
    city.River(6, {{static_cast<int>(alpha.right()) + 5, 0}, {static_cast<int>(alpha.right()) + 5, 90}});
    const std::vector<std::string> withRivers = FindLabelClashes(LayOutScheme(city.city()));
    EXPECT_NE(std::find(withRivers.begin(), withRivers.end(), "name of station 6 \"Zeta\" touches a river"),
              withRivers.end());
    EXPECT_EQ(withRivers.size(), clashes.size() + 1);
}

// A long name set in two lines: split at the space nearest its middle, the lines
// flush towards the station, and the whole of both lines checked for clashes.
TEST(MisleadingNames, ReportsNamesNearerAnotherMarkOrCutOffByATrack) {
    SyntheticCity city;
    city.Line(1, QColor(200, 0, 0)).Line(2, QColor(0, 0, 200));
    // Alpha's name, pushed far east, ends beside Beta's mark.
    city.Station(1, 1, 100, 100, LabelSide::E, "Alpha").Station(2, 1, 175, 112, LabelSide::S, "Beta");
    city.Get(1).label.dx = 30;
    // Gamma's name lies across line 2's track from its mark.
    city.Station(3, 1, 100, 300, LabelSide::E, "Gamma");
    city.Get(3).label.dx = 12;
    city.Station(4, 2, 112, 250, LabelSide::W, "Delta").Station(5, 2, 112, 350, LabelSide::W, "Epsilon");
    city.Link(4, 5);
    // Zeta's own track runs from its mark; Eta's name, shown by Eta~2, is nearer
    // to the mark of its partner Eta~1 than to Eta~2's: both are Eta's own.
    city.Station(6, 1, 300, 500, LabelSide::N, "Zeta").Station(7, 1, 380, 500, LabelSide::W, "Iota");
    city.Link(6, 7);
    city.Station(8, 1, 400, 100, LabelSide::W, "Eta~1").Station(9, 2, 340, 100, LabelSide::E, "Eta~2");
    city.Get(8).label.shown = false;
    city.Get(9).label.dx = 25;
    city.Transfer(8, 9);

    const std::vector<std::string> misleading = FindMisleadingNames(LayOutScheme(city.city()));
    const auto mentions = [&](const std::string& text) {
        return std::any_of(misleading.begin(), misleading.end(),
                           [&](const std::string& m) { return m.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("station 1 \"Alpha\" is nearer the mark of \"Beta\"")) << misleading.size();
    EXPECT_TRUE(mentions("station 3 \"Gamma\" is cut off from its mark by a track"));
    for (const char* clear : {"station 2 ", "station 4 ", "station 5 ", "station 6 ", "station 7 ", "station 9 "}) {
        EXPECT_FALSE(mentions(clear)) << clear;
    }
}

TEST(TwoLineLabels, SplitNearTheMiddleAndFlushTowardsTheStation) {
    SyntheticCity city;
    city.Line(1, QColor(200, 0, 0));
    city.Station(1, 1, 300, 100, LabelSide::W, "Biblioteka imeni Lenina")
        .Station(2, 1, 300, 200, LabelSide::E, "Aleksandrovsky sad")
        .Station(3, 1, 300, 300, LabelSide::N, "Odno");
    for (int n = 1; n <= 3; ++n) city.Get(n).label.twoLines = true;
    const SchemeLayout layout = LayOutScheme(city.city());
    ASSERT_EQ(layout.labels.size(), 3u);

    const StationLabel& west = layout.labels[0];
    EXPECT_EQ(west.text, QStringLiteral("Biblioteka"));
    EXPECT_EQ(west.secondLine, QStringLiteral("imeni Lenina"));
    EXPECT_GT(west.secondBaseline.y(), west.baseline.y() + 8);
    // West of the station both lines end at the same x, near the mark.
    const QFontMetricsF metrics(layout.font);
    EXPECT_NEAR(west.baseline.x() + metrics.horizontalAdvance(west.text),
                west.secondBaseline.x() + metrics.horizontalAdvance(west.secondLine), 1);
    EXPECT_LT(west.ink.right(), 300);
    EXPECT_GT(west.ink.right(), 290);
    EXPECT_GE(west.ink.bottom(), west.secondBaseline.y());

    const StationLabel& east = layout.labels[1];
    EXPECT_EQ(east.text, QStringLiteral("Aleksandrovsky"));
    EXPECT_EQ(east.secondLine, QStringLiteral("sad"));
    EXPECT_EQ(east.baseline.x(), east.secondBaseline.x());
    // The pair is centred on the station's row.
    EXPECT_NEAR((east.ink.top() + east.ink.bottom()) / 2, 200.5, 3);

    // A name without a space stays on one line.
    EXPECT_EQ(layout.labels[2].text, QStringLiteral("Odno"));
    EXPECT_TRUE(layout.labels[2].secondLine.isEmpty());

    // A track under only the second line is still a clash.
    SyntheticCity crossed;
    crossed.Line(1, QColor(200, 0, 0));
    crossed.Station(1, 1, 300, 100, LabelSide::S, "Biblioteka imeni Lenina")
        .Station(2, 1, 200, 124, LabelSide::N, "A")
        .Station(3, 1, 400, 124, LabelSide::N, "B");
    crossed.Link(2, 3);
    crossed.Get(1).label.twoLines = true;
    const std::vector<std::string> clashes = FindLabelClashes(LayOutScheme(crossed.city()));
    const bool found = std::any_of(clashes.begin(), clashes.end(), [](const std::string& c) {
        return c.find("station 1 \"Biblioteka imeni Lenina\" touches a track") != std::string::npos;
    });
    EXPECT_TRUE(found) << (clashes.empty() ? "no clash" : clashes[0]);
}

}  // namespace
}  // namespace tnx::city::draw
