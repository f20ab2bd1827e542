// Turns a parsed city source into the byte layouts of a city module, after
// checking every invariant those layouts promise the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "city/source/city_source.h"
#include "model/city_format.h"

namespace tnx::city {

struct ModuleConstants {
    std::uint8_t FileVersion = 0;
    std::uint8_t CityCode = 0;
    std::uint8_t CityVersion = 0;
    std::uint8_t NumOfStations = 0;
    std::uint8_t NumOfLines = 0;
    std::uint8_t DefFirstStation = 0;
    std::uint8_t MaxChanges = 0;
    std::uint8_t IsNTime = 0;
};

struct PackedCity {
    std::string fileName;  // module file name without ".tnd"
    ModuleConstants constants;
    TStationTable stations{};
    TTransferTable changes{};
    TWaitTable dayWait{};
    TWaitTable eveningWait{};
    std::string info;  // Windows-1251, NUL included
};

struct PackResult {
    std::optional<PackedCity> city;
    std::vector<std::string> errors;  // each names the city, the station or cell, and the field
};

PackResult PackCity(const CitySource& source);

}  // namespace tnx::city
