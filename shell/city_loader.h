// Reads a city module into the network model, refusing any module whose
// tables would make the program index outside them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/city_tables.h"
#include "shell/city_module.h"

namespace tnx {

struct TLoadedCity {
    TCity City;  // starts as the previous city: a missing export keeps its value
    std::uint8_t FileVersion = 0;
    std::uint8_t CityVersion = 0;
    bool HasFileVersion = false;
    bool HasCityVersion = false;
    std::uint8_t DefFirstStation = 0;  // goes into FstStation
    std::uint8_t MaxChanges = 0;       // goes into ChangesDiff until the settings replace it
    std::string InfoText;              // Windows-1251, up to its NUL
    int OperatingStations = 0;
};

// Fills loaded from module, starting from previous. On failure returns false with a
// message and leaves loaded untouched, so the caller loses nothing.
bool ReadCityModule(const CityModule& module, const TCity& previous, TLoadedCity& loaded, std::string& error);

// Opens the module at path and reads it.
bool LoadCityFile(const std::filesystem::path& path, const TCity& previous, TLoadedCity& loaded,
                  std::unique_ptr<CityModule>& module, std::string& error);

}  // namespace tnx
