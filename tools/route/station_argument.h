// Turns a station given on the command line into a station number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/city_tables.h"

namespace tnx {

struct TStationMatch {
    std::uint8_t Station = 0;              // 0 when not resolved
    std::vector<std::uint8_t> Candidates;  // the stations an ambiguous text names
    std::vector<std::uint8_t> Nearest;     // for a text that names none: the closest names
};

// A number 1..NumOfStations, a stored name, or any text (UTF-8) that the name
// matcher turns into exactly one station: an exact match when there is one,
// else the only station whose name or one of its words begins with the text.
TStationMatch ResolveStation(const TCity& city, const std::string& argument);

}  // namespace tnx
