// The bitmaps a module carries, read from the drawing tool's output: each file
// holds a device-independent bitmap exactly as a BITMAP resource stores it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tnx::city {

struct BitmapResource {
    std::string name;  // "MAP", "L1", "FLAG1A", ...
    std::vector<std::uint8_t> bytes;
};

struct BitmapSize {
    int width = 0;
    int height = 0;
};

// The size a module's bitmap of that name must have; 0 x 0 for a name that is
// not one of a module's bitmaps.
BitmapSize ExpectedBitmapSize(const std::string& name);

// Names every module of a city with lineCount lines must carry, in load order.
std::vector<std::string> RequiredBitmapNames(int lineCount);

// Checks the header of a bitmap against its name; empty when it is sound,
// otherwise what is wrong.
std::string CheckBitmap(const BitmapResource& bitmap);

// Every bitmap sound, none twice, none missing, no line icon past the last line.
std::vector<std::string> CheckBitmapSet(const std::vector<BitmapResource>& bitmaps, int lineCount);

}  // namespace tnx::city
