#include "city/draw/scheme_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "city/draw/palette_reduction.h"
#include "city/draw/scheme_style.h"
#include "synthetic_city.h"

namespace tnx::city::draw {
namespace {

using testing::ColourAt;
using testing::SyntheticCity;

const QColor kRed(200, 30, 40);
const QColor kBlue(20, 80, 190);

// Line 1: 1 -(straight)- 2 -(bend at 300,100)- 3.
// Line 2: 4 and 5, a transfer from 2 to 4. Names are placed away from tracks.
SyntheticCity SmallCity() {
    SyntheticCity city;
    city.Line(1, kRed).Line(2, kBlue);
    city.Station(1, 1, 100, 100, LabelSide::N)
        .Station(2, 1, 200, 100, LabelSide::N)
        .Station(3, 1, 300, 200, LabelSide::E)
        .Link(1, 2)
        .Link(2, 3, Point{300, 100});
    city.Station(4, 2, 200, 120, LabelSide::W).Station(5, 2, 200, 250, LabelSide::W).Link(4, 5);
    city.Transfer(2, 4);
    return city;
}

TEST(SchemeRenderer, LinesKeepTheirExactColourAndFollowBends) {
    const QImage scheme = RenderScheme(SmallCity().city());
    ASSERT_EQ(scheme.size(), QSize(kSchemeWidth, kSchemeHeight));

    EXPECT_EQ(ColourAt(scheme, 150, 100), kRed) << "midway between 1 and 2";
    EXPECT_EQ(ColourAt(scheme, 150, 98), kRed) << "the track is several pixels thick";
    EXPECT_EQ(ColourAt(scheme, 200, 185), kBlue) << "midway between 4 and 5";
    // 2 -> 3 runs east to the bend, then south; the diagonal stays empty.
    EXPECT_EQ(ColourAt(scheme, 240, 100), kRed) << "first leg of the bend";
    EXPECT_EQ(ColourAt(scheme, 300, 130), kRed) << "second leg of the bend";
    EXPECT_EQ(ColourAt(scheme, 250, 150), kBackground) << "where a straight segment would pass";
    EXPECT_EQ(ColourAt(scheme, 20, 560), kBackground);
}

TEST(SchemeRenderer, RingLineIsDrawnClosed) {
    SyntheticCity city;
    city.Line(5, kRed);
    city.Station(1, 5, 100, 100).Station(2, 5, 200, 100).Station(3, 5, 200, 200).Station(4, 5, 100, 200);
    city.Link(1, 2).Link(2, 3).Link(3, 4).Link(4, 1);
    const QImage scheme = RenderScheme(city.city());
    EXPECT_EQ(ColourAt(scheme, 100, 150), kRed) << "the link from the last station back to the first";
    EXPECT_EQ(ColourAt(scheme, 150, 150), kBackground);
}

TEST(SchemeRenderer, OperatingAndPlannedMarksDiffer) {
    SyntheticCity open;
    open.Line(1, kRed).Station(1, 1, 100, 100, LabelSide::N).Station(2, 1, 160, 100, LabelSide::N).Link(1, 2);
    SyntheticCity planned = open;
    planned.Closed(1);

    const QImage a = RenderScheme(open.city());
    const QImage b = RenderScheme(planned.city());
    EXPECT_EQ(ColourAt(a, 100, 100), kMarkFill);
    EXPECT_NE(ColourAt(b, 100, 100), kMarkFill);
    EXPECT_EQ(ColourAt(a, 100, 97), kRed) << "line-coloured ring above the centre";
    EXPECT_NE(ColourAt(b, 100, 97), kRed) << "a planned mark is smaller";
    // The planned station's track is thinner.
    EXPECT_EQ(ColourAt(a, 130, 98), kRed);
    EXPECT_NE(ColourAt(b, 130, 98), kRed);
}

TEST(SchemeRenderer, TransferJoinsTheTwoMarks) {
    const QImage scheme = RenderScheme(SmallCity().city());
    // Between stations 2 (200,100) and 4 (200,120), clear of both marks.
    const QColor between = ColourAt(scheme, 200, 110);
    EXPECT_NE(between, kBackground);
    EXPECT_NE(between, kBlue);
    EXPECT_EQ(ColourAt(scheme, 197, 110), kTransferEdge) << "the connector's dark edge";
}

// Centre of the dark text pixels of a one-station scheme, as an angle from
// the station measured counter-clockwise from east, in degrees.
double TextDirection(LabelSide side, bool inOperation, int* darkest = nullptr) {
    SyntheticCity city;
    city.Line(1, kRed).Station(1, 1, 300, 300, side, "Станция");
    if (!inOperation) {
        city.Closed(1);
    }
    const QImage scheme = RenderScheme(city.city());
    double sumX = 0, sumY = 0;
    int count = 0;
    int minGrey = 255;
    for (int y = 0; y < kSchemeHeight; ++y) {
        for (int x = 0; x < kSchemeWidth; ++x) {
            const QColor c = ColourAt(scheme, x, y);
            const bool nearMark = std::abs(x - 300) <= 5 && std::abs(y - 300) <= 5;
            const int spread = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            if (!nearMark && spread < 12 && qGray(c.rgb()) < 180) {
                sumX += x - 300;
                sumY += y - 300;
                ++count;
                minGrey = std::min(minGrey, qGray(c.rgb()));
            }
        }
    }
    if (darkest != nullptr) {
        *darkest = minGrey;
    }
    EXPECT_GT(count, 20) << "no text found";
    return std::atan2(-sumY, sumX) * 180 / std::numbers::pi;
}

TEST(SchemeRenderer, NamesAppearOnTheirLabelledSide) {
    const std::pair<LabelSide, double> sides[] = {
        {LabelSide::E, 0},   {LabelSide::NE, 45},   {LabelSide::N, 90},  {LabelSide::NW, 135},
        {LabelSide::W, 180}, {LabelSide::SW, -135}, {LabelSide::S, -90}, {LabelSide::SE, -45},
    };
    for (const auto& [side, expected] : sides) {
        const double angle = TextDirection(side, true);
        double error = std::fmod(std::abs(angle - expected), 360.0);
        error = std::min(error, 360 - error);
        // A long name pulls diagonal placements towards the horizontal.
        EXPECT_LT(error, 35) << "side " << static_cast<int>(side) << " angle " << angle;
    }
}

TEST(SchemeRenderer, PlannedStationNamesAreGrey) {
    int open = 0, planned = 0;
    TextDirection(LabelSide::E, true, &open);
    TextDirection(LabelSide::E, false, &planned);
    EXPECT_LT(open, 60);
    EXPECT_GT(planned, open + 50);
}

// Eleven lines of named stations: far more anti-aliasing shades than a
// 256-colour table holds.
SyntheticCity BusyCity() {
    SyntheticCity city;
    for (int line = 1; line <= 11; ++line) {
        city.Line(line, QColor::fromHsv(line * 32, 200, 60 + line * 15));
        for (int i = 0; i < 4; ++i) {
            const int number = line * 10 + i;
            city.Station(number, line, 40 + i * 130, line * 48, LabelSide::S, "Станция " + std::to_string(number));
            if (i > 0) {
                city.Link(number - 1, number);
            }
        }
    }
    return city;
}

TEST(SchemeRenderer, EightBitFormKeepsEveryDrawnColourExact) {
    const SyntheticCity busy = BusyCity();
    const QImage scheme = RenderScheme(busy.city());
    const std::vector<QRgb> exact = SchemeColours(busy.city());
    std::set<QRgb> distinct;
    for (int y = 0; y < kSchemeHeight; ++y) {
        for (int x = 0; x < kSchemeWidth; ++x) {
            distinct.insert(scheme.pixel(x, y));
        }
    }
    ASSERT_GT(distinct.size(), 256u);

    const IndexedImage reduced = ReduceToPalette(scheme, exact);
    ASSERT_EQ(reduced.palette.size(), 256u);
    int exactPixels = 0;
    for (int y = 0; y < kSchemeHeight; ++y) {
        for (int x = 0; x < kSchemeWidth; ++x) {
            const QRgb drawn = scheme.pixel(x, y);
            if (std::find(exact.begin(), exact.end(), drawn) == exact.end()) {
                continue;
            }
            ++exactPixels;
            const Rgb& got = reduced.palette[reduced.pixels[static_cast<std::size_t>(y * kSchemeWidth + x)]];
            ASSERT_EQ(qRgb(got[0], got[1], got[2]), drawn) << x << "," << y;
        }
    }
    EXPECT_GT(exactPixels, kSchemeWidth * kSchemeHeight * 9 / 10);
}

// A river is a pale band under everything: a track, a transfer and a mark cross it
// in their own colours, and the 8-bit form keeps its colour exact.
TEST(SchemeRenderer, RiversLieUnderTracksTransfersAndMarks) {
    SyntheticCity city = SmallCity();
    city.River(12, {{-40, 150}, {400, 150}}).River(4, {{250, 0}, {250, 300}});
    const QImage scheme = RenderScheme(city.city());
    EXPECT_EQ(ColourAt(scheme, 20, 150), kRiverColour) << "from beyond the left edge";
    EXPECT_EQ(ColourAt(scheme, 150, 145), kRiverColour) << "12 px wide";
    EXPECT_EQ(ColourAt(scheme, 150, 157), kBackground);
    EXPECT_EQ(ColourAt(scheme, 200, 150), kBlue) << "line 2 crosses it";
    EXPECT_EQ(ColourAt(scheme, 250, 100), kRed) << "line 1 crosses the arm";
    EXPECT_EQ(ColourAt(scheme, 250, 60), kRiverColour);
    EXPECT_EQ(ColourAt(scheme, 253, 60), kBackground) << "4 px wide";
    const std::vector<QRgb> exact = SchemeColours(city.city());
    EXPECT_NE(std::find(exact.begin(), exact.end(), kRiverColour.rgb()), exact.end());
}

}  // namespace
}  // namespace tnx::city::draw
