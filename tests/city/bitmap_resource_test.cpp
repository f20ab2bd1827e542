#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "city/pack/bitmap_resource.h"

namespace tnx::city {
namespace {

void PutDword(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// An 8-bit, 2-colour bitmap in resource form; a negative height means top-down rows.
BitmapResource Bitmap(const std::string& name, int width, int height) {
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
    std::vector<std::uint8_t> b(40 + 2 * 4 + stride * static_cast<std::size_t>(std::abs(height)));
    PutDword(b, 0, 40);
    PutDword(b, 4, static_cast<std::uint32_t>(width));
    PutDword(b, 8, static_cast<std::uint32_t>(height));
    b[12] = 1;
    b[14] = 8;
    PutDword(b, 32, 2);
    return {name, b};
}

std::vector<BitmapResource> FullSet(int lines) {
    std::vector<BitmapResource> set;
    for (const std::string& name : RequiredBitmapNames(lines)) {
        const BitmapSize size = ExpectedBitmapSize(name);
        set.push_back(Bitmap(name, size.width, size.height));
    }
    return set;
}

TEST(CheckBitmap, AcceptsTheFormsAModuleCarries) {
    EXPECT_EQ(CheckBitmap(Bitmap("MAP", 591, 575)), "");
    EXPECT_EQ(CheckBitmap(Bitmap("L11", 16, 16)), "");
    EXPECT_EQ(CheckBitmap(Bitmap("FLAG2A", 14, 14)), "");
    EXPECT_EQ(CheckBitmap(Bitmap("CIRCLE", 10, 10)), "");
}

TEST(CheckBitmap, RefusesWhatTheProgramCannotShow) {
    EXPECT_NE(CheckBitmap(Bitmap("FLAG1", 16, 16)).find("expected 14 x 14"), std::string::npos);
    EXPECT_NE(CheckBitmap(Bitmap("CIRCLE", 10, -10)).find("expected 10 x 10"), std::string::npos);
    EXPECT_NE(CheckBitmap(Bitmap("L12", 16, 16)).find("not a bitmap"), std::string::npos);

    BitmapResource fileHeader = Bitmap("CIRCLE", 10, 10);
    fileHeader.bytes.insert(fileHeader.bytes.begin(), {'B', 'M'});
    EXPECT_NE(CheckBitmap(fileHeader).find("40-byte"), std::string::npos);

    BitmapResource truncated = Bitmap("CIRCLE", 10, 10);
    truncated.bytes.resize(truncated.bytes.size() - 1);
    EXPECT_NE(CheckBitmap(truncated).find("promises"), std::string::npos);

    BitmapResource deep = Bitmap("CIRCLE", 10, 10);
    deep.bytes[14] = 24;
    EXPECT_NE(CheckBitmap(deep).find("4 or 8 bits"), std::string::npos);
}

TEST(CheckBitmapSet, WantsEveryPictureOnce) {
    EXPECT_TRUE(CheckBitmapSet(FullSet(3), 3).empty());

    std::vector<BitmapResource> missing = FullSet(3);
    missing.pop_back();
    EXPECT_EQ(CheckBitmapSet(missing, 3), std::vector<std::string>{"bitmap L3: missing"});

    std::vector<BitmapResource> extra = FullSet(4);
    EXPECT_EQ(CheckBitmapSet(extra, 3), std::vector<std::string>{"bitmap L4: not wanted by a city of 3 lines"});

    std::vector<BitmapResource> twice = FullSet(3);
    twice.push_back(twice.front());
    EXPECT_EQ(CheckBitmapSet(twice, 3), std::vector<std::string>{"bitmap MAP: given twice"});
}

}  // namespace
}  // namespace tnx::city
