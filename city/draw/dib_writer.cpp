#include "city/draw/dib_writer.h"

#include <stdexcept>
#include <string>

namespace tnx::city::draw {
namespace {

void PutWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutDword(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

void CheckConsistent(const IndexedImage& image) {
    if (image.width <= 0 || image.height <= 0) {
        throw std::invalid_argument("bitmap size " + std::to_string(image.width) + " x " +
                                    std::to_string(image.height) + " is empty");
    }
    if (image.palette.empty() || image.palette.size() > 256) {
        throw std::invalid_argument("bitmap colour table has " + std::to_string(image.palette.size()) +
                                    " entries, expected 1..256");
    }
    const auto expected = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.pixels.size() != expected) {
        throw std::invalid_argument("bitmap has " + std::to_string(image.pixels.size()) + " pixels, expected " +
                                    std::to_string(expected));
    }
    for (const std::uint8_t index : image.pixels) {
        if (index >= image.palette.size()) {
            throw std::invalid_argument("bitmap pixel uses colour " + std::to_string(index) + " past its colour table");
        }
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeDib(const IndexedImage& image) {
    CheckConsistent(image);

    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::uint32_t stride = (width + 3) / 4 * 4;
    const auto colours = static_cast<std::uint32_t>(image.palette.size());

    std::vector<std::uint8_t> out;
    out.reserve(kDibInfoHeaderSize + colours * 4 + stride * height);

    PutDword(out, kDibInfoHeaderSize);
    PutDword(out, width);
    PutDword(out, height);  // positive: rows are stored bottom-up
    PutWord(out, 1);        // planes
    PutWord(out, 8);        // bits per pixel
    PutDword(out, 0);       // BI_RGB, uncompressed
    PutDword(out, stride * height);
    PutDword(out, 2835);  // 72 dpi in pixels per metre
    PutDword(out, 2835);
    PutDword(out, colours);  // colours used
    PutDword(out, colours);  // colours important

    for (const Rgb& colour : image.palette) {
        out.push_back(colour[2]);  // RGBQUAD is blue, green, red, reserved
        out.push_back(colour[1]);
        out.push_back(colour[0]);
        out.push_back(0);
    }

    for (std::uint32_t row = height; row-- > 0;) {
        const auto* first = image.pixels.data() + static_cast<std::size_t>(row) * width;
        out.insert(out.end(), first, first + width);
        out.insert(out.end(), stride - width, std::uint8_t{0});
    }
    return out;
}

}  // namespace tnx::city::draw
