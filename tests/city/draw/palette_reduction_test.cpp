#include "city/draw/palette_reduction.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tnx::city::draw {
namespace {

Rgb ToRgb(QRgb c) {
    return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
            static_cast<std::uint8_t>(qBlue(c))};
}

Rgb PixelColour(const IndexedImage& image, int x, int y) {
    return image.palette.at(image.pixels.at(static_cast<std::size_t>(y * image.width + x)));
}

// 300 distinct grey-blue shades in a row, more than a table can hold.
QImage ManyShades() {
    QImage image(300, 1, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        image.setPixel(x, 0, qRgb(x / 2, x % 256, 100));
    }
    return image;
}

TEST(PaletteReduction, ExactColoursComeFirstAndSurviveAmongTooManyShades) {
    QImage image = ManyShades();
    const QRgb rare = qRgb(255, 0, 0);
    image.setPixel(7, 0, rare);

    const IndexedImage reduced = ReduceToPalette(image, {rare, qRgb(1, 2, 3)});
    ASSERT_EQ(reduced.palette.size(), 256u);
    EXPECT_EQ(reduced.palette[0], ToRgb(rare));
    EXPECT_EQ(reduced.palette[1], (Rgb{1, 2, 3}));
    EXPECT_EQ(PixelColour(reduced, 7, 0), ToRgb(rare));
}

TEST(PaletteReduction, LeftOverColoursTakeTheNearestEntry) {
    const QImage image = ManyShades();
    const IndexedImage reduced = ReduceToPalette(image, {}, 16);
    ASSERT_EQ(reduced.palette.size(), 16u);
    for (int x = 0; x < image.width(); ++x) {
        const QRgb original = image.pixel(x, 0);
        const Rgb got = PixelColour(reduced, x, 0);
        const auto distance = [&](const Rgb& c) {
            const int dr = c[0] - qRed(original), dg = c[1] - qGreen(original), db = c[2] - qBlue(original);
            return dr * dr + dg * dg + db * db;
        };
        for (const Rgb& entry : reduced.palette) {
            ASSERT_LE(distance(got), distance(entry)) << "pixel " << x;
        }
    }
}

TEST(PaletteReduction, FewColoursStayExactAndTableIsPadded) {
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(qRgb(9, 9, 9));
    image.setPixel(2, 1, qRgba(200, 100, 50, 17));  // alpha is ignored
    const IndexedImage reduced = ReduceToPalette(image, {});
    EXPECT_EQ(reduced.width, 4);
    EXPECT_EQ(reduced.height, 3);
    EXPECT_EQ(reduced.palette.size(), 256u);
    EXPECT_EQ(PixelColour(reduced, 2, 1), (Rgb{200, 100, 50}));
    EXPECT_EQ(PixelColour(reduced, 0, 0), (Rgb{9, 9, 9}));
    EXPECT_EQ(PixelColour(reduced, 3, 2), (Rgb{9, 9, 9}));
}

TEST(PaletteReduction, RejectsMoreExactColoursThanTheTableHolds) {
    const QImage image = ManyShades();
    EXPECT_THROW(ReduceToPalette(image, {qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(3, 3, 3)}, 2), std::invalid_argument);
    EXPECT_THROW(ReduceToPalette(image, {}, 0), std::invalid_argument);
    EXPECT_THROW(ReduceToPalette(image, {}, 257), std::invalid_argument);
}

}  // namespace
}  // namespace tnx::city::draw
