// Device-independent bitmaps as a city module stores them: a BITMAPINFOHEADER
// (or a larger header), the colour table, then the rows, with no file header.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tnx {

struct TDibImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;  // 0xFFRRGGBB, top row first

    std::uint32_t Pixel(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
    }
};

// Largest side accepted; a scheme is 591 x 575.
constexpr int kMaxDibSide = 4096;

// Uncompressed 1, 4, 8, 24 and 32 bits per pixel, bottom-up or top-down.
// Empty optional and a reason when the bytes do not hold such a picture.
std::optional<TDibImage> DecodeDib(std::span<const unsigned char> bytes, std::string& error);

}  // namespace tnx
