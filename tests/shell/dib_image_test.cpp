#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "shell/city_module.h"
#include "shell/city_pictures.h"
#include "shell/dib_image.h"

namespace tnx {
namespace {

void Put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

// A DIB with the given header fields, colour table (0xRRGGBB) and rows as stored.
std::vector<unsigned char> Dib(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                               const std::vector<std::vector<unsigned char>>& storedRows,
                               std::uint32_t coloursUsed = 0) {
    std::vector<unsigned char> b(40 + 4 * palette.size());
    Put32(b, 0, 40);
    Put32(b, 4, static_cast<std::uint32_t>(width));
    Put32(b, 8, static_cast<std::uint32_t>(height));
    b[12] = 1;
    b[14] = static_cast<unsigned char>(bits);
    Put32(b, 32, coloursUsed);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        b[40 + 4 * i] = static_cast<unsigned char>(palette[i]);
        b[41 + 4 * i] = static_cast<unsigned char>(palette[i] >> 8);
        b[42 + 4 * i] = static_cast<unsigned char>(palette[i] >> 16);
    }
    for (const auto& row : storedRows) b.insert(b.end(), row.begin(), row.end());
    return b;
}

std::optional<TDibImage> Decode(const std::vector<unsigned char>& bytes, std::string& error) {
    return DecodeDib(std::span<const unsigned char>(bytes.data(), bytes.size()), error);
}

TEST(DecodeDib, ReadsPaletteRowsBottomUpWithPadding) {
    // 3 x 2, 8 bits: rows padded to 4 bytes; the first stored row is the bottom one.
    const auto bytes = Dib(3, 2, 8, {0xFF0000, 0x00FF00, 0x0000FF}, {{2, 1, 0, 0xEE}, {0, 0, 1, 0xEE}}, 3);
    std::string error;
    const auto image = Decode(bytes, error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->Width, 3);
    EXPECT_EQ(image->Height, 2);
    EXPECT_EQ(image->Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image->Pixel(2, 0), 0xFF00FF00u);
    EXPECT_EQ(image->Pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(image->Pixel(1, 1), 0xFF00FF00u);
}

TEST(DecodeDib, ReadsFourBitAndTrueColourAndTopDown) {
    std::string error;
    // 16 colours, 3 pixels per row: high nibble first.
    std::vector<std::uint32_t> sixteen(16, 0);
    sixteen[1] = 0x112233;
    sixteen[15] = 0xFFFFFF;
    const auto four = Decode(Dib(3, 1, 4, sixteen, {{0x1F, 0x10, 0, 0}}), error);
    ASSERT_TRUE(four) << error;
    EXPECT_EQ(four->Pixel(0, 0), 0xFF112233u);
    EXPECT_EQ(four->Pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(four->Pixel(2, 0), 0xFF112233u);

    // 24 bits, blue green red; a negative height stores the top row first.
    const auto top = Decode(Dib(1, -2, 24, {}, {{0x30, 0x20, 0x10, 0}, {3, 2, 1, 0}}), error);
    ASSERT_TRUE(top) << error;
    EXPECT_EQ(top->Pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(top->Pixel(0, 1), 0xFF010203u);
}

TEST(DecodeDib, RefusesBrokenPictures) {
    std::string error;
    const std::vector<std::uint32_t> two = {0, 0xFFFFFF};
    EXPECT_FALSE(Decode(std::vector<unsigned char>(39, 0), error));
    EXPECT_FALSE(Decode(Dib(3, 2, 8, two, {{0, 1, 0, 0}}, 2), error)) << "rows cut short";
    EXPECT_FALSE(Decode(Dib(2, 1, 8, two, {{0, 2, 0, 0}}, 2), error)) << "index past the palette";
    EXPECT_NE(error.find("2"), std::string::npos);
    EXPECT_FALSE(Decode(Dib(1, 1, 16, {}, {{0, 0, 0, 0}}), error)) << "16 bits";
    EXPECT_FALSE(Decode(Dib(0, 1, 24, {}, {}), error)) << "no width";
    EXPECT_FALSE(Decode(Dib(kMaxDibSide + 1, 1, 24, {}, {}), error)) << "too wide";
    EXPECT_FALSE(Decode(Dib(1, 1, 1, two, {{0, 0, 0, 0}}, 3), error)) << "3 colours at 1 bit";
    auto compressed = Dib(1, 1, 8, two, {{0, 0, 0, 0}}, 2);
    Put32(compressed, 16, 1);
    EXPECT_FALSE(Decode(compressed, error)) << "RLE";
    auto hugeHeader = Dib(1, 1, 8, two, {{0, 0, 0, 0}}, 2);
    Put32(hugeHeader, 0, 0xFFFFFFF0u);
    EXPECT_FALSE(Decode(hugeHeader, error));
    auto lowest = Dib(1, 1, 24, {}, {{0, 0, 0, 0}});
    Put32(lowest, 8, 0x80000000u);
    EXPECT_FALSE(Decode(lowest, error)) << "INT32_MIN height";
}

TEST(CityPictures, ShippedModuleHasItsSchemeMarkersAndIcons) {
    std::string error;
    const auto module = CityModule::Open(std::filesystem::path(TUNNEX_PROGRAM_DIR) / "kharkiv.tnd", error);
    ASSERT_TRUE(module) << error;
    TCityPictures pictures;
    ASSERT_TRUE(ReadCityPictures(*module, pictures, error)) << error;
    EXPECT_EQ(pictures.Map.Width, 591);
    EXPECT_EQ(pictures.Map.Height, 575);
    for (const TDibImage* flag : {&pictures.Flag1, &pictures.Flag2, &pictures.Flag1A, &pictures.Flag2A}) {
        EXPECT_EQ(flag->Width, 14);
        EXPECT_EQ(flag->Height, 14);
    }
    EXPECT_EQ(pictures.Circle.Width, 10);
    for (int line = 1; line <= 3; ++line) EXPECT_TRUE(ReadLineIcon(*module, line)) << line;
    EXPECT_FALSE(ReadLineIcon(*module, 4));
}

TEST(CityPictures, ModuleWithoutPicturesIsRefusedAndPicturesKept) {
    std::string error;
    const auto module = CityModule::Open(std::filesystem::path(TUNNEX_TEST_MODULE_DIR) / "good.tnd", error);
    ASSERT_TRUE(module) << error;
    TCityPictures pictures;
    pictures.Map.Width = 7;
    EXPECT_FALSE(ReadCityPictures(*module, pictures, error));
    EXPECT_NE(error.find("MAP"), std::string::npos);
    EXPECT_EQ(pictures.Map.Width, 7);
}

}  // namespace
}  // namespace tnx
