#include "city/pack/bitmap_resource.h"

#include <algorithm>

#include "city/pack/scheme_limits.h"

namespace tnx::city {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t Dword(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Word(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Built piece by piece: g++ 12 at -O3 warns falsely about "literal" + string.
std::string LineIconName(int line) {
    std::string name(1, 'L');
    name += std::to_string(line);
    return name;
}

std::string SizeText(long long width, long long height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

BitmapSize ExpectedBitmapSize(const std::string& name) {
    if (name == "MAP") return {kMapWidth, kMapHeight};
    if (name == "FLAG1" || name == "FLAG2" || name == "FLAG1A" || name == "FLAG2A") return {14, 14};
    if (name == "CIRCLE") return {10, 10};
    for (int line = 1; line <= 11; ++line)
        if (name == LineIconName(line)) return {16, 16};
    return {};
}

std::vector<std::string> RequiredBitmapNames(int lineCount) {
    std::vector<std::string> names = {"MAP", "FLAG1", "FLAG2", "FLAG1A", "FLAG2A", "CIRCLE"};
    for (int line = 1; line <= lineCount; ++line) names.push_back(LineIconName(line));
    return names;
}

std::string CheckBitmap(const BitmapResource& bitmap) {
    const BitmapSize expected = ExpectedBitmapSize(bitmap.name);
    if (expected.width == 0) return "is not a bitmap a city module carries";
    const auto& b = bitmap.bytes;
    if (b.size() < kInfoHeaderSize || Dword(b, 0) != kInfoHeaderSize)
        return "does not start with a 40-byte bitmap information header";

    const auto width = static_cast<std::int32_t>(Dword(b, 4));
    const auto height = static_cast<std::int32_t>(Dword(b, 8));
    const std::uint16_t bitsPerPixel = Word(b, 14);
    const std::uint32_t compression = Dword(b, 16);
    std::uint32_t colours = Dword(b, 32);
    if (width != expected.width || height != expected.height)
        return "is " + SizeText(width, height) + " pixels; expected " + SizeText(expected.width, expected.height) +
               " (rows bottom-up)";
    if (bitsPerPixel != 4 && bitsPerPixel != 8) return "must have 4 or 8 bits per pixel";
    if (compression != 0) return "must be uncompressed";
    if (colours == 0) colours = 1u << bitsPerPixel;
    if (colours > (1u << bitsPerPixel)) return "has a colour table longer than its pixels can use";

    const std::size_t stride = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    const std::size_t needed = kInfoHeaderSize + colours * 4 + stride * static_cast<std::size_t>(height);
    if (b.size() < needed)
        return "is " + std::to_string(b.size()) + " bytes; its header promises " + std::to_string(needed);
    return {};
}

std::vector<std::string> CheckBitmapSet(const std::vector<BitmapResource>& bitmaps, int lineCount) {
    std::vector<std::string> errors;
    const std::vector<std::string> required = RequiredBitmapNames(lineCount);
    std::vector<std::string> seen;
    for (const BitmapResource& bitmap : bitmaps) {
        const std::string subject = "bitmap " + bitmap.name + ": ";
        if (std::find(seen.begin(), seen.end(), bitmap.name) != seen.end()) {
            errors.push_back(subject + "given twice");
            continue;
        }
        seen.push_back(bitmap.name);
        if (std::find(required.begin(), required.end(), bitmap.name) == required.end()) {
            errors.push_back(subject + "not wanted by a city of " + std::to_string(lineCount) + " lines");
            continue;
        }
        if (const std::string problem = CheckBitmap(bitmap); !problem.empty()) errors.push_back(subject + problem);
    }
    for (const std::string& name : required) {
        if (std::find(seen.begin(), seen.end(), name) == seen.end()) errors.push_back("bitmap " + name + ": missing");
    }
    return errors;
}

}  // namespace tnx::city
