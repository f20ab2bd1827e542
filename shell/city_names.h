// The city name table, indexed by CityCode 1..14. Spelled as the program has
// always shown them, Latin look-alike letters included ("Хаpьков" has a Latin p).
#pragma once

#include <cstdint>
#include <string>

namespace tnx {

constexpr int kCityCodeCount = 14;

// Empty for a code outside 1..14.
std::string CityName(std::uint8_t cityCode);

}  // namespace tnx
