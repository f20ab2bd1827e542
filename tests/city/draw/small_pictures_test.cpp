#include "city/draw/small_pictures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "city/draw/keyed_glyph.h"
#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The key must sit on the outside only: the glyph's centre and a good part of
// the picture are glyph.
void ExpectKeyedGlyph(const QImage& image, int size, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(image.width(), size);
    ASSERT_EQ(image.height(), size);
    const QRgb key = image.pixel(0, 0);
    EXPECT_NE(image.pixel(size / 2, size / 2), key);
    EXPECT_EQ(image.pixel(size - 1, 0), key);
    EXPECT_EQ(image.pixel(0, size - 1), key);
    EXPECT_LT(CountPixels(image, key), size * size / 2);
}

TEST(SmallPictures, EveryPictureHasItsSizeAndAKeyOutsideTheGlyph) {
    ExpectKeyedGlyph(RenderLineIcon(1, QColor(220, 20, 30)), kLineIconSize, "L1");
    ExpectKeyedGlyph(RenderLineIcon(11, QColor(0, 120, 200)), kLineIconSize, "L11");
    ExpectKeyedGlyph(RenderRouteFlag(RouteFlag::Start), kFlagSize, "FLAG1");
    ExpectKeyedGlyph(RenderRouteFlag(RouteFlag::End), kFlagSize, "FLAG2");
    ExpectKeyedGlyph(RenderRouteFlag(RouteFlag::StartAlternate), kFlagSize, "FLAG1A");
    ExpectKeyedGlyph(RenderRouteFlag(RouteFlag::EndAlternate), kFlagSize, "FLAG2A");
    ExpectKeyedGlyph(RenderRouteCircle(), kCircleSize, "CIRCLE");
}

TEST(SmallPictures, LineIconIsALineColouredDiscWithAWhiteNumber) {
    const QColor colour(30, 140, 60);
    const QImage icon = RenderLineIcon(3, colour);
    EXPECT_EQ(icon.pixel(8, 2), colour.rgb());  // above the digit
    EXPECT_GT(CountPixels(icon, qRgb(255, 255, 255)), 3);
    EXPECT_NE(RenderLineIcon(3, colour), RenderLineIcon(4, colour));
}

TEST(SmallPictures, KeyNeverAppearsInsideTheGlyphEvenForAKeyColouredLine) {
    const QColor magenta(255, 0, 255);
    const QImage icon = RenderLineIcon(2, magenta);
    const QRgb key = icon.pixel(0, 0);
    EXPECT_NE(key, magenta.rgb());
    EXPECT_EQ(icon.pixel(8, 2), magenta.rgb());
    // Every key pixel lies outside the disc.
    for (int y = 0; y < kLineIconSize; ++y) {
        for (int x = 0; x < kLineIconSize; ++x) {
            if (icon.pixel(x, y) == key) {
                EXPECT_GT(std::hypot(x + 0.5 - 8, y + 0.5 - 8), 6.0) << x << "," << y;
            }
        }
    }
}

TEST(SmallPictures, AlternateFlagsLookDifferentFromTheMainOnes) {
    const QImage start = RenderRouteFlag(RouteFlag::Start);
    const QImage end = RenderRouteFlag(RouteFlag::End);
    const QImage startAlt = RenderRouteFlag(RouteFlag::StartAlternate);
    const QImage endAlt = RenderRouteFlag(RouteFlag::EndAlternate);
    const int c = kFlagSize / 2;
    EXPECT_NE(start.pixel(c, c), startAlt.pixel(c, c));
    EXPECT_NE(end.pixel(c, c), endAlt.pixel(c, c));
    EXPECT_NE(start.pixel(c, c), end.pixel(c, c));
}

TEST(SmallPictures, CircleIsWhiteInsideADarkRim) {
    const QImage circle = RenderRouteCircle();
    const int c = kCircleSize / 2;
    EXPECT_EQ(circle.pixel(c, c), qRgb(255, 255, 255));
    EXPECT_LT(qGray(circle.pixel(c, 1)), 100);  // rim, top middle
}

TEST(KeyedGlyph, HalfCoveredPixelsBecomeGlyphTheRestKey) {
    QImage glyph(4, 1, QImage::Format_ARGB32);
    glyph.setPixel(0, 0, qRgba(0, 0, 0, 0));
    glyph.setPixel(1, 0, qRgba(10, 20, 30, 127));
    glyph.setPixel(2, 0, qRgba(10, 20, 30, 128));
    glyph.setPixel(3, 0, qRgba(10, 20, 30, 255));
    const QImage flat = FlattenOntoKey(glyph);
    EXPECT_EQ(flat.pixel(1, 0), flat.pixel(0, 0));
    EXPECT_EQ(flat.pixel(2, 0), qRgb(10, 20, 30));
    EXPECT_EQ(flat.pixel(3, 0), qRgb(10, 20, 30));
}

TEST(KeyedGlyph, RejectsAGlyphCoveringTheKeyPixel) {
    QImage glyph(2, 2, QImage::Format_ARGB32);
    glyph.fill(qRgba(1, 2, 3, 255));
    EXPECT_THROW(FlattenOntoKey(glyph), std::invalid_argument);
}

}  // namespace
}  // namespace tnx::city::draw
