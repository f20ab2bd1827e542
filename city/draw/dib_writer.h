// Device-independent bitmaps in the form a BITMAP resource stores them: a
// 40-byte BITMAPINFOHEADER, the colour table, then bottom-up 8-bit rows padded
// to 4 bytes. There is no BITMAPFILEHEADER.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tnx::city::draw {

using Rgb = std::array<std::uint8_t, 3>;  // red, green, blue

// An 8-bit palette picture; pixels are row-major with the top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;  // 1..256 entries
    std::vector<std::uint8_t> pixels;
};

constexpr int kDibInfoHeaderSize = 40;

// Throws std::invalid_argument when the picture is inconsistent (a size of 0,
// a pixel count that does not match, a palette of 0 or more than 256 entries,
// or an index past the palette).
std::vector<std::uint8_t> EncodeDib(const IndexedImage& image);

}  // namespace tnx::city::draw
