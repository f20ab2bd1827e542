#include "shell/dib_image.h"

#include <cstring>

#include "model/dib_format.h"

namespace tnx {
namespace {

std::uint32_t Rgb(unsigned char r, unsigned char g, unsigned char b) {
    return 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
}

}  // namespace

std::optional<TDibImage> DecodeDib(std::span<const unsigned char> bytes, std::string& error) {
    if (bytes.size() < kDibInfoHeaderSize) {
        error = "заголовок короче 40 байт";
        return std::nullopt;
    }
    const unsigned char* p = bytes.data();
    const TBitmapInfoHeader header = ReadDibInfoHeader(p);
    const std::uint32_t headerSize = header.Size;
    const std::int32_t width = header.Width;
    const std::int32_t rawHeight = header.Height;
    const std::uint16_t bits = header.BitCount;
    const std::uint32_t compression = header.Compression;

    if (headerSize < kDibInfoHeaderSize || headerSize > bytes.size()) {
        error = "неверный размер заголовка";
        return std::nullopt;
    }
    // A top-down picture has a negative height; INT32_MIN has no positive twin.
    if (width < 1 || width > kMaxDibSide || rawHeight == 0 || rawHeight < -kMaxDibSide || rawHeight > kMaxDibSide) {
        error = "неверный размер картинки";
        return std::nullopt;
    }
    if (header.Planes != 1 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) || compression != 0) {
        error =
            "неподдерживаемый формат (" + std::to_string(bits) + " бит, сжатие " + std::to_string(compression) + ")";
        return std::nullopt;
    }
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;

    std::uint32_t paletteSize = 0;
    if (bits <= 8) {
        const std::uint32_t full = 1u << bits;
        paletteSize = header.ColoursUsed == 0 ? full : header.ColoursUsed;
        if (paletteSize > full) {
            error = "слишком большая таблица цветов";
            return std::nullopt;
        }
    }
    const std::uint64_t stride = DibRowStride(static_cast<std::uint64_t>(width), bits);
    const std::uint64_t rowsAt = static_cast<std::uint64_t>(headerSize) + kDibPaletteEntrySize * paletteSize;
    if (rowsAt + stride * static_cast<std::uint64_t>(height) > bytes.size()) {
        error = "данные картинки обрезаны";
        return std::nullopt;
    }

    std::vector<std::uint32_t> palette(paletteSize);
    for (std::uint32_t i = 0; i < paletteSize; ++i) {
        const unsigned char* e = p + headerSize + kDibPaletteEntrySize * i;  // blue, green, red, reserved
        palette[i] = Rgb(e[2], e[1], e[0]);
    }

    TDibImage image;
    image.Width = width;
    image.Height = height;
    image.Pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int sourceRow = topDown ? y : height - 1 - y;
        const unsigned char* row = p + rowsAt + stride * static_cast<std::uint64_t>(sourceRow);
        std::uint32_t* out = image.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            if (bits == 24 || bits == 32) {
                const unsigned char* px = row + static_cast<std::size_t>(x) * (bits / 8);
                out[x] = Rgb(px[2], px[1], px[0]);
                continue;
            }
            const int bitOffset = x * bits;
            const unsigned byte = row[bitOffset / 8];
            const unsigned shift = 8u - bits - static_cast<unsigned>(bitOffset % 8);
            const unsigned index = (byte >> shift) & ((1u << bits) - 1u);
            if (index >= paletteSize) {
                error = "номер цвета " + std::to_string(index) + " за пределами таблицы цветов";
                return std::nullopt;
            }
            out[x] = palette[index];
        }
    }
    return image;
}

}  // namespace tnx
