// The ring of the city with code 1 is drawn on the ellipse the route animation uses,
// and a city as dense as that one sets its names condensed and may show a shared
// name once.
#include <gtest/gtest.h>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "city/draw/label_clashes.h"
#include "city/draw/scheme_layout.h"
#include "city/draw/scheme_renderer.h"
#include "city/draw/scheme_style.h"
#include "model/ring.h"
#include "synthetic_city.h"

namespace tnx::city::draw {
namespace {

using testing::ColourAt;
using testing::SyntheticCity;

const QColor kBrown(137, 78, 53);

// The ring's ellipse in pixel-centre coordinates.
constexpr double kCx = (kRingLeft + kRingRight) / 2.0 + 0.5, kCy = (kRingTop + kRingBottom) / 2.0 + 0.5;
constexpr double kRx = (kRingRight - kRingLeft) / 2.0, kRy = (kRingBottom - kRingTop) / 2.0;

QPoint OnEllipse(double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {static_cast<int>(std::floor(kCx + kRx * std::cos(a))),
            static_cast<int>(std::floor(kCy + kRy * std::sin(a)))};
}

// Four ring stations at the top, right, bottom and left of the ellipse, linked 1-2-3-4-1.
CitySource Ring(int cityCode, int line = 5) {
    SyntheticCity city;
    city.Line(line, kBrown);
    const double angles[] = {-80, 0, 100, 180};
    for (int i = 0; i < 4; ++i) {
        const QPoint p = OnEllipse(angles[i]);
        city.Station(i + 1, line, p.x(), p.y(), LabelSide::E, "Станция");
    }
    city.Link(1, 2).Link(2, 3).Link(3, 4).Link(4, 1);
    CitySource source = city.city();
    source.cityCode = cityCode;
    return source;
}

// Midway along the ellipse between the top and right stations, and midway along the chord.
const QPoint kArcMiddle = OnEllipse(-40);
const QPoint kChordMiddle = (OnEllipse(-80) + OnEllipse(0)) / 2;

TEST(Ring, CityWithCode1DrawsLine5OnTheEllipse) {
    const QImage scheme = RenderScheme(Ring(1));
    EXPECT_EQ(ColourAt(scheme, kArcMiddle.x(), kArcMiddle.y()), kBrown);
    EXPECT_EQ(ColourAt(scheme, kChordMiddle.x(), kChordMiddle.y()), kBackground);
    // The bottom-left quarter too: every link takes the short way round.
    const QPoint lowerLeft = OnEllipse(140);
    EXPECT_EQ(ColourAt(scheme, lowerLeft.x(), lowerLeft.y()), kBrown);
}

TEST(Ring, OtherCitiesAndOtherLinesStayStraight) {
    for (const CitySource& city : {Ring(2), Ring(1, 4)}) {
        const QImage scheme = RenderScheme(city);
        EXPECT_EQ(ColourAt(scheme, kChordMiddle.x(), kChordMiddle.y()), kBrown);
        EXPECT_EQ(ColourAt(scheme, kArcMiddle.x(), kArcMiddle.y()), kBackground);
    }
}

TEST(Ring, ArcStartsAndEndsAtTheStationsAndStaysOnTheEllipse) {
    const SchemeLayout layout = LayOutScheme(Ring(1));
    ASSERT_EQ(layout.tracks.size(), 4u);
    for (const TrackSegment& track : layout.tracks) {
        ASSERT_GT(track.points.size(), 20u);
        double sweep = 0;
        for (std::size_t i = 0; i < track.points.size(); ++i) {
            const QPointF p = track.points[i];
            const double r = std::hypot((p.x() - kCx) / kRx, (p.y() - kCy) / kRy);
            EXPECT_NEAR(r, 1.0, 0.01) << i;
            if (i > 0) sweep += QLineF(track.points[i - 1], p).length();
        }
        // A quarter of the ellipse is about 220 px; the long way round would be three times that.
        EXPECT_LT(sweep, 300);
    }
    const StationSource top = Ring(1).stations.front();
    EXPECT_EQ(layout.tracks.front().points.front(), QPointF(top.x + 0.5, top.y + 0.5));
}

TEST(Ring, NamesOnTheArcClashWithIt) {
    // A name that crosses the arc, far from the chord a straight link would take.
    CitySource city = Ring(1);
    const QPoint arc = OnEllipse(-40);
    StationSource named = city.stations.front();
    named.number = 5;
    named.name = "Имя";
    named.x = arc.x() - 12;
    named.y = arc.y();
    named.next = named.prev = 0;
    city.stations.push_back(named);
    const auto mentions = [](const CitySource& c) {
        const auto clashes = FindLabelClashes(LayOutScheme(c));
        return std::any_of(clashes.begin(), clashes.end(), [](const std::string& text) {
            return text.find("station 5 \"Имя\" touches a track") != std::string::npos;
        });
    };
    EXPECT_TRUE(mentions(city));
    city.cityCode = 2;
    EXPECT_FALSE(mentions(city));
}

TEST(SharedNames, AHiddenNameIsNeitherDrawnNorChecked) {
    CitySource city = Ring(1);
    city.stations[1].label.shown = false;
    const SchemeLayout layout = LayOutScheme(city);
    ASSERT_EQ(layout.labels.size(), 3u);
    for (const StationLabel& label : layout.labels) EXPECT_NE(label.station, 2);
    EXPECT_EQ(layout.marks.size(), 4u);
}

TEST(SchemeFont, DenseCitiesSetTheirNamesNarrower) {
    CitySource dense = Ring(1);
    CitySource sparse = dense;
    while (static_cast<int>(dense.stations.size()) <= kCondensedFromStations) {
        dense.stations.push_back(dense.stations.back());
    }
    const QString name = QStringLiteral("Петровско-Разумовская");
    const double wide = QFontMetricsF(SchemeFont(sparse)).horizontalAdvance(name);
    const double narrow = QFontMetricsF(SchemeFont(dense)).horizontalAdvance(name);
    EXPECT_LT(narrow, wide * 0.95);
    EXPECT_EQ(SchemeFont(dense).pixelSize(), SchemeFont(sparse).pixelSize());
}

}  // namespace
}  // namespace tnx::city::draw
