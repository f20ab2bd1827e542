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

struct TScanOptions {
    // Each file whose header and tables check out, before its values are read.
    std::function<void(const std::string& fileName)> FileOpened;
    // Once, after the first file, whether it opened or not.
    std::function<void()> FirstFileDone;
    // Each file left out, with the reason in Russian.
    std::function<void(const std::string& fileName, const std::string& reason)> Refused;
};

// Every "*.tnd" file of folder (the extension in any letter case), sorted by file name,
// whose header and tables check out and that names a city code 1..14. Only those are
// read, so a folder of many modules scans fast; the resources are checked when a city
// is opened.
std::vector<TCatalogEntry> ScanCityModules(const std::filesystem::path& folder, const TScanOptions& options = {});

// "tunnex: FILE: REASON", the line the scan's refusals are reported with.
std::string RefusalLine(const std::string& fileName, const std::string& reason);

struct TRefusedModule {
    std::string FileName;
    std::string Reason;
};

// The message that names every refused file and its reason, shown when no module is
// left to open. Lines end in CR LF.
std::string RefusedModulesMessage(const std::vector<TRefusedModule>& refused);

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
