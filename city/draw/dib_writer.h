// Device-independent bitmaps written in the form a module's picture resource stores
// them (model/dib_format.h), always 8 bits a pixel and bottom-up.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/dib_format.h"

namespace tnx::city::draw {

using Rgb = std::array<std::uint8_t, 3>;  // red, green, blue

// An 8-bit palette picture; pixels are row-major with the top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;  // 1..256 entries
    std::vector<std::uint8_t> pixels;
};

// Throws std::invalid_argument when the picture is inconsistent (a size of 0,
// a pixel count that does not match, a palette of 0 or more than 256 entries,
// or an index past the palette).
std::vector<std::uint8_t> EncodeDib(const IndexedImage& image);

}  // namespace tnx::city::draw
