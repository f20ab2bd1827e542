// The city modules beside the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tnx {

struct TCatalogEntry {
    std::string FileName;     // bare file name, e.g. "kharkiv.tnd"
    std::string CityName;     // from the city name table
    std::string VersionText;  // FileVersion "." CityVersion, e.g. "1.2"
    std::uint8_t CityCode = 0;
};

class CityModule;

struct TScanOptions {
    // Each file that opens as a library, before its exports are read.
    std::function<void(const std::string& fileName)> FileOpened;
    // Once, after the first file, whether it opened or not.
    std::function<void()> FirstFileDone;
    // A further check a module must pass to be listed, so that every listed
    // module is one the caller can open.
    std::function<bool(const CityModule& module)> Accept;
};

// Every "*.tnd" file of folder, sorted by file name, that loads and names a city
// code 1..14; other files are left out so that the entries always describe a
// loadable module.
std::vector<TCatalogEntry> ScanCityModules(const std::filesystem::path& folder,
                                           const TScanOptions& options = {});

// FileVersion "." CityVersion; a missing export leaves its part out (".6").
std::string VersionText(std::optional<std::uint8_t> fileVersion, std::optional<std::uint8_t> cityVersion);

// The module to open when nothing is stored: the only one, else the first whose
// city is "Москва", else the first. Empty when the catalog is empty.
std::string DefaultCityFile(const std::vector<TCatalogEntry>& catalog);

// "Информация" block shown when start equals end. Lines end in CR LF.
struct TCityInfo {
    std::string CityName;
    int NumOfLines = 0;
    int NumOfStations = 0;
    int OperatingStations = 0;
    std::string FileName;
    std::string VersionText;
};
std::string CityInfoText(const TCityInfo& info);

}  // namespace tnx
