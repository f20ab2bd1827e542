#include "city/draw/dib_writer.h"

#include <stdexcept>
#include <string>

namespace tnx::city::draw {
namespace {

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
    const auto stride = static_cast<std::uint32_t>(DibRowStride(width, 8));
    const auto colours = static_cast<std::uint32_t>(image.palette.size());

    std::vector<std::uint8_t> out;
    out.reserve(kDibInfoHeaderSize + colours * kDibPaletteEntrySize + stride * height);

    TBitmapInfoHeader header{};
    header.Size = kDibInfoHeaderSize;
    header.Width = static_cast<std::int32_t>(width);
    header.Height = static_cast<std::int32_t>(height);  // positive: rows are stored bottom-up
    header.Planes = 1;
    header.BitCount = 8;
    header.Compression = 0;
    header.SizeImage = stride * height;
    header.XPelsPerMeter = 2835;  // 72 dpi
    header.YPelsPerMeter = 2835;
    header.ColoursUsed = colours;
    header.ColoursImportant = colours;
    const auto* headerBytes = reinterpret_cast<const std::uint8_t*>(&header);
    out.insert(out.end(), headerBytes, headerBytes + sizeof header);

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
