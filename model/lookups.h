// Lookups on the loaded city.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/city_tables.h"

namespace tnx {

// The stored name of station n, Windows-1251 bytes.
std::string_view StoredName(const TStation& s);

// First station 1..NumOfStations whose stored name equals name byte for byte; 0 when none.
std::uint8_t FindStationByName(const TCity& city, std::string_view name);

// The stored name without a trailing "~x" disambiguation suffix.
std::string_view DisplayName(std::string_view storedName);

// Riding minutes from a to its neighbour b; 255 when b is not adjacent. a must be 1..180.
std::uint8_t LinkMinutes(const TCity& city, std::uint8_t a, std::uint8_t b);

}  // namespace tnx
