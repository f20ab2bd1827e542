// The route picture, pixel by pixel, on small cities drawn on a black scheme.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <numbers>

#include "tests/engine/test_city.h"
#include "ui/ring_arc.h"
#include "ui/route_frame.h"

namespace tnx::ui::test {
namespace {

using tnx::test::MakeCity;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kAqua = qRgb(0, 255, 255);
const QRgb kCircleRed = qRgb(255, 0, 0);

QImage Marker(int size, QRgb colour) {
    // A keyed picture: its corner colour is transparent.
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 255));
    QPainter(&picture).fillRect(2, 2, size - 4, size - 4, QColor::fromRgb(colour));
    return WithTransparentKey(picture);
}

TMapBitmaps Bitmaps() {
    TMapBitmaps b;
    b.SchemeBitmap = QImage(591, 575, QImage::Format_RGB32);
    b.SchemeBitmap.fill(kBlack);
    b.Flag1 = Marker(14, qRgb(0, 200, 0));
    b.Flag2 = Marker(14, qRgb(0, 0, 200));
    b.Circle = Marker(10, kCircleRed);
    return b;
}

TStationSet Set(std::initializer_list<int> stations) {
    TStationSet set{};
    for (int n : stations) set.Add(static_cast<std::uint8_t>(n));
    return set;
}

// Line 1: 1 (100,100) - 2 (200,100) - 3 (200,200), 3 not in operation; the link 2 - 3
// bends through (260,150); 2's link back to 1 bends through (150,60) but 1's link to 2
// does not. Line 2: 4 (230,230) - 5 (330,230). Transfer 3 <-> 4.
TCity LineCity() {
    TCity city = MakeCity(2,
                          {{1, "a", 1, 100, 100, 2, 0, 2, 0, 1},
                           {2, "b", 1, 200, 100, 3, 1, 2, 2, 1},
                           {3, "c", 1, 200, 200, 0, 2, 0, 2, 0},
                           {4, "d", 2, 230, 230, 5, 0, 2, 0, 1},
                           {5, "e", 2, 330, 230, 0, 4, 0, 2, 1}},
                          {{3, 4, 3}}, {1, 1}, {1, 1});
    city.Station(2).BendToNextX = 260;
    city.Station(2).BendToNextY = 150;
    city.Station(2).BendToPrevX = 150;
    city.Station(2).BendToPrevY = 60;
    city.Station(3).BendToPrevX = 260;
    city.Station(3).BendToPrevY = 150;
    city.Station(4).BendToNextX = 0;  // a bend with X 0 is no bend, whatever its Y
    city.Station(4).BendToNextY = 300;
    return city;
}

QImage Frame(const TCity& city, const TMapBitmaps& bitmaps, std::uint8_t start, std::uint8_t end,
             const TStationSet& stations, const TStationSet& transfers) {
    QImage frame;
    PaintRouteFrame(frame, {city, bitmaps, start, end, stations, transfers});
    return frame;
}

TEST(RouteFrame, SegmentsFollowBendPointsAndCirclesMarkStationsInOperation) {
    const TCity city = LineCity();
    const TMapBitmaps bitmaps = Bitmaps();
    const QImage frame = Frame(city, bitmaps, 1, 3, Set({1, 2, 3}), Set({}));
    ASSERT_EQ(frame.size(), QSize(591, 575));

    EXPECT_EQ(frame.pixel(150, 100), kWhite) << "straight segment 1 - 2";
    EXPECT_EQ(frame.pixel(150, 99), kWhite) << "3 pixels wide";
    EXPECT_EQ(frame.pixel(150, 98), kBlack);
    EXPECT_EQ(frame.pixel(260, 150), kWhite) << "the bend point";
    EXPECT_EQ(frame.pixel(230, 125), kWhite) << "on the way to the bend";
    EXPECT_EQ(frame.pixel(230, 175), kWhite) << "on the way from the bend";
    EXPECT_EQ(frame.pixel(200, 150), kBlack) << "not the straight chord";
    EXPECT_EQ(frame.pixel(150, 60), kBlack) << "2 draws towards its first neighbour on the route only";
    EXPECT_EQ(frame.pixel(100, 100), kCircleRed) << "circle on a station in operation";
    EXPECT_EQ(frame.pixel(200, 100), kCircleRed);
    EXPECT_NE(frame.pixel(200, 200), kCircleRed) << "no circle on a station not in operation";
    EXPECT_EQ(frame.pixel(230, 230), kBlack) << "4 is not on the route";

    // With 3 off the route, 2's first neighbour on it is 1, reached through 2's own bend.
    const QImage back = Frame(city, bitmaps, 2, 1, Set({1, 2}), Set({}));
    EXPECT_EQ(back.pixel(150, 100), kWhite) << "1's straight link";
    EXPECT_EQ(back.pixel(150, 60), kWhite) << "2's link through its bend";
    EXPECT_EQ(back.pixel(230, 125), kBlack);
}

TEST(RouteFrame, TransferLinksOnlyWhereTheRouteChanges) {
    const TCity city = LineCity();
    const TMapBitmaps bitmaps = Bitmaps();
    const TStationSet route = Set({1, 2, 3, 4, 5});
    const QImage changing = Frame(city, bitmaps, 1, 5, route, Set({3, 4}));
    EXPECT_EQ(changing.pixel(215, 215), kAqua);
    EXPECT_EQ(changing.pixel(280, 230), kWhite) << "line 2's segment";
    EXPECT_EQ(changing.pixel(115, 265), kBlack) << "no bend at X 0";
    EXPECT_EQ(changing.pixel(330, 230), kCircleRed);

    EXPECT_EQ(Frame(city, bitmaps, 1, 5, route, Set({4})).pixel(215, 215), kAqua) << "one side is enough";
    EXPECT_EQ(Frame(city, bitmaps, 1, 5, route, Set({})).pixel(215, 215), kBlack)
        << "passing both stations without changing shows no transfer";
    EXPECT_EQ(Frame(city, bitmaps, 1, 5, Set({1, 2, 3}), Set({3, 4})).pixel(215, 215), kBlack)
        << "both stations must be on the route";
}

TEST(RouteFrame, WithoutARouteOnlyTheMarkersOrNothing) {
    const TCity city = LineCity();
    const TMapBitmaps bitmaps = Bitmaps();
    const QImage none = Frame(city, bitmaps, 1, 5, Set({}), Set({}));
    EXPECT_EQ(none, bitmaps.SchemeBitmap) << "no route found: the clean scheme, no markers";

    // Start equal to end: the markers, end below start, and no route however the sets are.
    const QImage same = Frame(city, bitmaps, 2, 2, Set({1, 2, 3}), Set({3}));
    EXPECT_EQ(same.pixel(200, 100), qRgb(0, 200, 0)) << "the start marker lies on top";
    EXPECT_EQ(same.pixel(150, 100), kBlack);
    EXPECT_EQ(Frame(city, bitmaps, 1, 1, Set({}), Set({})).pixel(100, 100), qRgb(0, 200, 0));

    // Broken endpoints draw nothing rather than reading outside the table.
    EXPECT_EQ(Frame(city, bitmaps, 0, 0, Set({}), Set({})), bitmaps.SchemeBitmap);
}

// A point of the ring's ellipse at `degrees`, counter-clockwise from 3 o'clock.
QPoint OnRing(double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    const QPointF c = kRingEllipse.center();
    return QPoint(static_cast<int>(std::lround(c.x() + kRingEllipse.width() / 2 * std::cos(a))),
                  static_cast<int>(std::lround(c.y() - kRingEllipse.height() / 2 * std::sin(a))));
}

// Whether a white pixel lies within 1 pixel of p.
bool WhiteNear(const QImage& frame, QPoint p) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (frame.pixel(p.x() + dx, p.y() + dy) == kWhite) return true;
    return false;
}

// Stations 1 and 2 on line 5, neighbours, at the given places; not in operation, so
// that no circle covers the arc.
TCity RingPair(int cityCode, QPoint first, QPoint second) {
    return MakeCity(cityCode,
                    {{1, "x1", 1, 20, 20, 0, 0, 0, 0, 1},
                     {2, "x2", 2, 20, 40, 0, 0, 0, 0, 1},
                     {3, "x3", 3, 20, 60, 0, 0, 0, 0, 1},
                     {4, "x4", 4, 20, 80, 0, 0, 0, 0, 1},
                     {5, "p", 5, first.x(), first.y(), 6, 0, 2, 0, 0},
                     {6, "q", 5, second.x(), second.y(), 0, 5, 0, 2, 0}},
                    {}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1});
}

TEST(RouteFrame, RingLineOfCityOneTakesTheShortArc) {
    const TMapBitmaps bitmaps = Bitmaps();
    struct TCase {
        const char* where;
        double from, to;  // degrees of station 5 and station 6
    };
    // Every half of the ring, each pair in both orders, and stations at X 289.
    const TCase cases[] = {
        {"top, right to left", 60, 100},
        {"top, left to right", 100, 60},
        {"left side", 150, 200},
        {"left side, upward", 200, 150},
        {"bottom", 250, 290},
        {"bottom, backwards", 290, 250},
        {"right side", 330, 20},
        {"right side, downward", 20, 330},
        {"right half, upper", 10, 60},
        {"X 289 at the bottom", 270.1, 240},
        {"X 289 at the top", 89.9, 120},
    };
    for (const TCase& c : cases) {
        const QPoint p = OnRing(c.from);
        const QPoint q = OnRing(c.to);
        const QImage frame = Frame(RingPair(1, p, q), bitmaps, 5, 6, Set({5, 6}), Set({}));
        double middle = (c.from + c.to) / 2;
        if (std::abs(c.from - c.to) > 180) middle += 180;
        EXPECT_TRUE(WhiteNear(frame, OnRing(middle))) << c.where << ": the arc between the two";
        EXPECT_FALSE(WhiteNear(frame, OnRing(middle + 180))) << c.where << ": not the long way round";
        const QPoint chord = (p + q) / 2;
        if (std::abs(c.from - c.to) >= 40) {
            EXPECT_FALSE(WhiteNear(frame, chord)) << c.where << ": an arc, not the chord";
        }
    }
    EXPECT_EQ(OnRing(270.1).x(), 289);
    EXPECT_EQ(OnRing(89.9).x(), 289);

    // Elsewhere line 5 is an ordinary line.
    const QPoint p = OnRing(60), q = OnRing(100);
    const QImage straight = Frame(RingPair(2, p, q), bitmaps, 5, 6, Set({5, 6}), Set({}));
    EXPECT_TRUE(WhiteNear(straight, (p + q) / 2));
    EXPECT_FALSE(WhiteNear(straight, OnRing(80)));
}

TEST(RingArc, EndsFollowTheTable) {
    const QPoint upperLeft(200, 200), upperRight(380, 200), lowerLeft(200, 350), lowerRight(380, 350);
    const auto ends = [](QPoint p, QPoint q) {
        const TArcEnds e = RingArcEnds(p, q);
        return std::pair{e.Start, e.End};
    };
    using P = std::pair<QPoint, QPoint>;
    EXPECT_EQ(ends(upperLeft, lowerLeft), (P{upperLeft, lowerLeft})) << "left half: from the upper";
    EXPECT_EQ(ends(lowerLeft, upperLeft), (P{upperLeft, lowerLeft}));
    EXPECT_EQ(ends(QPoint(150, 260), QPoint(160, 260)), (P{QPoint(150, 260), QPoint(160, 260)})) << "equal Y: P";
    EXPECT_EQ(ends(upperRight, lowerRight), (P{lowerRight, upperRight})) << "right half: from the lower";
    EXPECT_EQ(ends(QPoint(400, 260), QPoint(410, 260)), (P{QPoint(410, 260), QPoint(400, 260)})) << "equal Y: Q";
    EXPECT_EQ(ends(upperLeft, upperRight), (P{upperRight, upperLeft})) << "upper half: from the right";
    EXPECT_EQ(ends(upperRight, upperLeft), (P{upperRight, upperLeft}));
    EXPECT_EQ(ends(lowerLeft, lowerRight), (P{lowerLeft, lowerRight})) << "lower half: from the left";
    EXPECT_EQ(ends(lowerRight, lowerLeft), (P{lowerLeft, lowerRight}));
    EXPECT_EQ(ends(QPoint(288, 276), QPoint(290, 276)), (P{QPoint(290, 276), QPoint(288, 276)})) << "Y 276 is upper";
    EXPECT_EQ(ends(QPoint(288, 277), QPoint(290, 276)), (P{QPoint(288, 277), QPoint(290, 276)})) << "Y 277 is not";
    EXPECT_EQ(ends(QPoint(289, 300), QPoint(250, 300)), (P{QPoint(250, 300), QPoint(289, 300)}))
        << "X 289 counts as the right half";
}

}  // namespace
}  // namespace tnx::ui::test
