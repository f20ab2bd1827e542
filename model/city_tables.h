// The loaded city: export values and the fixed tables filled from the module.
#pragma once

#include <cstdint>

#include "model/city_format.h"

namespace tnx {

struct TCity {
    // Export values; CityCode is 1 before the first load.
    std::uint8_t CityCode = 1;
    std::uint8_t NumOfStations = 0;
    std::uint8_t NumOfLines = 0;
    std::uint8_t IsNTime = 0;

    TStationTable Stations{};
    TTransferTable Changes{};
    TWaitTable DayWait{};
    TWaitTable EveningWait{};
    TWaitTable ZeroWait{};
    // The waits the route search adds per ride; chosen before every search.
    TWaitTable EffectiveWait{};

    // n must be 1..180.
    const TStation& Station(std::uint8_t n) const { return Stations.Records[n - 1]; }
    TStation& Station(std::uint8_t n) { return Stations.Records[n - 1]; }

    // a, b must be 1..11, k 1 or 2.
    const TTransferOption& Transfer(std::uint8_t a, std::uint8_t b, int k) const {
        return Changes.Cells[a - 1][b - 1][k - 1];
    }
    TTransferOption& Transfer(std::uint8_t a, std::uint8_t b, int k) { return Changes.Cells[a - 1][b - 1][k - 1]; }
};

}  // namespace tnx
