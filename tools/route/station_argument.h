// Turns a station given on the command line into a station number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/city_tables.h"

namespace tnx {

struct TStationMatch {
    std::uint8_t Station = 0;             // 0 when not resolved
    std::vector<std::uint8_t> Candidates;  // for an ambiguous or unknown name
};

// A number 1..NumOfStations, a stored name, or a display name naming exactly one
// station (UTF-8). Unknown names get the stations whose display name contains
// the text, ignoring letter case, as candidates.
TStationMatch ResolveStation(const TCity& city, const std::string& argument);

}  // namespace tnx
