#include "city/pack/bitmap_resource.h"

#include <algorithm>

#include "model/city_format.h"
#include "model/city_resources.h"
#include "model/dib_format.h"

namespace tnx::city {
namespace {

std::string SizeText(long long width, long long height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

BitmapSize ExpectedBitmapSize(const std::string& name) {
    if (name == resource::kMap) return {kSchemeWidth, kSchemeHeight};
    for (const char* flag : {resource::kFlag1, resource::kFlag2, resource::kFlag1A, resource::kFlag2A})
        if (name == flag) return {kFlagSize, kFlagSize};
    if (name == resource::kCircle) return {kCircleSize, kCircleSize};
    for (int line = 1; line <= kMaxLines; ++line)
        if (name == resource::LineIcon(line)) return {kLineIconSize, kLineIconSize};
    return {};
}

std::vector<std::string> RequiredBitmapNames(int lineCount) {
    std::vector<std::string> names = {resource::kMap,    resource::kFlag1,  resource::kFlag2,
                                      resource::kFlag1A, resource::kFlag2A, resource::kCircle};
    for (int line = 1; line <= lineCount; ++line) names.push_back(resource::LineIcon(line));
    return names;
}

std::string CheckBitmap(const BitmapResource& bitmap) {
    const BitmapSize expected = ExpectedBitmapSize(bitmap.name);
    if (expected.width == 0) return "is not a bitmap a city module carries";
    const auto& b = bitmap.bytes;
    if (b.size() < kDibInfoHeaderSize || ReadDibInfoHeader(b.data()).Size != kDibInfoHeaderSize)
        return "does not start with a 40-byte bitmap information header";

    const TBitmapInfoHeader header = ReadDibInfoHeader(b.data());
    const std::int32_t width = header.Width;
    const std::int32_t height = header.Height;
    const std::uint16_t bitsPerPixel = header.BitCount;
    const std::uint32_t compression = header.Compression;
    std::uint32_t colours = header.ColoursUsed;
    if (width != expected.width || height != expected.height)
        return "is " + SizeText(width, height) + " pixels; expected " + SizeText(expected.width, expected.height) +
               " (rows bottom-up)";
    if (bitsPerPixel != 4 && bitsPerPixel != 8) return "must have 4 or 8 bits per pixel";
    if (compression != 0) return "must be uncompressed";
    if (colours == 0) colours = 1u << bitsPerPixel;
    if (colours > (1u << bitsPerPixel)) return "has a colour table longer than its pixels can use";

    const std::uint64_t stride = DibRowStride(static_cast<std::uint64_t>(width), bitsPerPixel);
    const std::uint64_t needed =
        kDibInfoHeaderSize + colours * kDibPaletteEntrySize + stride * static_cast<std::uint64_t>(height);
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
