#include "city/draw/dib_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tnx::city::draw {
namespace {

std::uint32_t Dword(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

IndexedImage ThreeByTwo() {
    IndexedImage image;
    image.width = 3;
    image.height = 2;
    image.palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    image.pixels = {0, 1, 2,   // top row
                    2, 2, 1};  // bottom row
    return image;
}

TEST(DibWriter, HeaderDescribesAnUncompressedBottomUp8BitPicture) {
    const std::vector<std::uint8_t> bytes = EncodeDib(ThreeByTwo());
    EXPECT_EQ(Dword(bytes, 0), 40u);  // biSize
    EXPECT_EQ(Dword(bytes, 4), 3u);   // biWidth
    EXPECT_EQ(Dword(bytes, 8), 2u);   // biHeight, positive = bottom-up
    EXPECT_EQ(Word(bytes, 12), 1u);   // biPlanes
    EXPECT_EQ(Word(bytes, 14), 8u);   // biBitCount
    EXPECT_EQ(Dword(bytes, 16), 0u);  // BI_RGB
    EXPECT_EQ(Dword(bytes, 20), 8u);  // biSizeImage: two rows of 4
    EXPECT_EQ(Dword(bytes, 32), 3u);  // biClrUsed
    EXPECT_EQ(bytes.size(), 40u + 3 * 4 + 2 * 4);
}

TEST(DibWriter, ColourTableIsBlueGreenRedReserved) {
    const std::vector<std::uint8_t> bytes = EncodeDib(ThreeByTwo());
    const std::vector<std::uint8_t> table(bytes.begin() + 40, bytes.begin() + 52);
    EXPECT_EQ(table, (std::vector<std::uint8_t>{30, 20, 10, 0, 60, 50, 40, 0, 90, 80, 70, 0}));
}

TEST(DibWriter, RowsAreStoredBottomUpAndPaddedToFourBytes) {
    const std::vector<std::uint8_t> bytes = EncodeDib(ThreeByTwo());
    const std::vector<std::uint8_t> rows(bytes.begin() + 52, bytes.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{2, 2, 1, 0, 0, 1, 2, 0}));
}

TEST(DibWriter, PaddingDependsOnWidthModuloFour) {
    for (const int width : {1, 4, 5, 591}) {
        IndexedImage image;
        image.width = width;
        image.height = 3;
        image.palette = {{0, 0, 0}, {255, 255, 255}};
        image.pixels.assign(static_cast<std::size_t>(width) * 3, 1);
        const std::vector<std::uint8_t> bytes = EncodeDib(image);
        const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 40 + 2 * 4 + stride * 3) << "width " << width;
        EXPECT_EQ(Dword(bytes, 20), stride * 3) << "width " << width;
        // Every row: width ones, then zero padding.
        for (std::size_t row = 0; row < 3; ++row) {
            const std::size_t start = 48 + row * stride;
            for (std::size_t i = 0; i < stride; ++i) {
                EXPECT_EQ(bytes[start + i], i < static_cast<std::size_t>(width) ? 1 : 0)
                    << "width " << width << " row " << row << " byte " << i;
            }
        }
    }
}

TEST(DibWriter, RejectsInconsistentPictures) {
    IndexedImage wrongCount = ThreeByTwo();
    wrongCount.pixels.pop_back();
    EXPECT_THROW(EncodeDib(wrongCount), std::invalid_argument);

    IndexedImage indexPastTable = ThreeByTwo();
    indexPastTable.pixels[4] = 3;
    EXPECT_THROW(EncodeDib(indexPastTable), std::invalid_argument);

    IndexedImage noTable = ThreeByTwo();
    noTable.palette.clear();
    EXPECT_THROW(EncodeDib(noTable), std::invalid_argument);

    IndexedImage hugeTable = ThreeByTwo();
    hugeTable.palette.resize(257);
    EXPECT_THROW(EncodeDib(hugeTable), std::invalid_argument);

    IndexedImage empty;
    empty.palette = {{0, 0, 0}};
    EXPECT_THROW(EncodeDib(empty), std::invalid_argument);
}

}  // namespace
}  // namespace tnx::city::draw
