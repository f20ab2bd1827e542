// The device-independent bitmap a city module stores: a 40-byte information header,
// the colour table of blue, green, red, reserved entries, then rows padded to 4 bytes.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace tnx {

static_assert(std::endian::native == std::endian::little, "a header is written by copying its bytes");

struct TBitmapInfoHeader {
    std::uint32_t Size;  // kDibInfoHeaderSize or more
    std::int32_t Width;
    std::int32_t Height;  // positive: rows bottom-up; negative: top-down
    std::uint16_t Planes;
    std::uint16_t BitCount;
    std::uint32_t Compression;  // 0: uncompressed
    std::uint32_t SizeImage;
    std::int32_t XPelsPerMeter;
    std::int32_t YPelsPerMeter;
    std::uint32_t ColoursUsed;  // 0: as many as the bits allow
    std::uint32_t ColoursImportant;
};

constexpr std::uint32_t kDibInfoHeaderSize = 40;
constexpr std::size_t kDibPaletteEntrySize = 4;

static_assert(sizeof(TBitmapInfoHeader) == kDibInfoHeaderSize);
static_assert(offsetof(TBitmapInfoHeader, Width) == 4);
static_assert(offsetof(TBitmapInfoHeader, Height) == 8);
static_assert(offsetof(TBitmapInfoHeader, Planes) == 12);
static_assert(offsetof(TBitmapInfoHeader, BitCount) == 14);
static_assert(offsetof(TBitmapInfoHeader, Compression) == 16);
static_assert(offsetof(TBitmapInfoHeader, SizeImage) == 20);
static_assert(offsetof(TBitmapInfoHeader, XPelsPerMeter) == 24);
static_assert(offsetof(TBitmapInfoHeader, YPelsPerMeter) == 28);
static_assert(offsetof(TBitmapInfoHeader, ColoursUsed) == 32);
static_assert(offsetof(TBitmapInfoHeader, ColoursImportant) == 36);

// Bytes of one row of `width` pixels of `bits` each, padded to a whole number of dwords.
constexpr std::uint64_t DibRowStride(std::uint64_t width, std::uint64_t bits) { return (width * bits + 31) / 32 * 4; }

// The header's little-endian words, read from bytes that may be unaligned.
inline std::uint32_t DibDword(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline std::uint16_t DibWord(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// The header at the start of `bytes`, which must hold at least kDibInfoHeaderSize of them.
inline TBitmapInfoHeader ReadDibInfoHeader(const unsigned char* bytes) {
    const auto at = [bytes](std::size_t offset) { return bytes + offset; };
    TBitmapInfoHeader h{};
    h.Size = DibDword(at(offsetof(TBitmapInfoHeader, Size)));
    h.Width = static_cast<std::int32_t>(DibDword(at(offsetof(TBitmapInfoHeader, Width))));
    h.Height = static_cast<std::int32_t>(DibDword(at(offsetof(TBitmapInfoHeader, Height))));
    h.Planes = DibWord(at(offsetof(TBitmapInfoHeader, Planes)));
    h.BitCount = DibWord(at(offsetof(TBitmapInfoHeader, BitCount)));
    h.Compression = DibDword(at(offsetof(TBitmapInfoHeader, Compression)));
    h.SizeImage = DibDword(at(offsetof(TBitmapInfoHeader, SizeImage)));
    h.XPelsPerMeter = static_cast<std::int32_t>(DibDword(at(offsetof(TBitmapInfoHeader, XPelsPerMeter))));
    h.YPelsPerMeter = static_cast<std::int32_t>(DibDword(at(offsetof(TBitmapInfoHeader, YPelsPerMeter))));
    h.ColoursUsed = DibDword(at(offsetof(TBitmapInfoHeader, ColoursUsed)));
    h.ColoursImportant = DibDword(at(offsetof(TBitmapInfoHeader, ColoursImportant)));
    return h;
}

}  // namespace tnx
