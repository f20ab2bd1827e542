// The city name table, indexed by CityCode. Spelled as the program has
// always shown them, Latin look-alike letters included ("Хаpьков" has a Latin p).
#pragma once

#include <cstdint>
#include <string>

#include "model/city_resources.h"

namespace tnx {

// Empty for a code outside kMinCityCode..kMaxCityCode.
std::string CityName(std::uint8_t cityCode);

}  // namespace tnx
