#include "model/city_resources.h"

#include <algorithm>

namespace tnx {

std::string resource::LineIcon(int line) {
    // Built piece by piece: GCC 12 at -O3 warns falsely about "L" + std::to_string.
    std::string name(1, 'L');
    name += std::to_string(line);
    return name;
}

std::string CityCodeOutOfRange(int code) {
    return "CityCode = " + std::to_string(code) + ", допустимо " + std::to_string(kMinCityCode) + ".." +
           std::to_string(kMaxCityCode);
}

std::string InfoText(std::span<const std::uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return std::string(bytes.begin(), end);
}

}  // namespace tnx
