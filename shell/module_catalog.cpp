#include "shell/module_catalog.h"

#include <algorithm>

#include "shell/city_module.h"
#include "shell/city_names.h"

namespace tnx {

std::vector<TCatalogEntry> ScanCityModules(const std::filesystem::path& folder,
                                           const TScanOptions& options) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ".tnd") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.filename() < b.filename(); });

    std::vector<TCatalogEntry> catalog;
    bool first = true;
    for (const auto& path : files) {
        std::string error;
        const auto module = CityModule::Open(path, error);
        if (module && options.FileOpened) options.FileOpened(path.filename().string());
        if (first && options.FirstFileDone) options.FirstFileDone();
        first = false;
        if (!module) continue;
        const auto code = module->ByteExport("CityCode");
        if (!code || *code < 1 || *code > kCityCodeCount) continue;
        if (options.Accept && !options.Accept(*module)) continue;
        TCatalogEntry entry;
        entry.FileName = path.filename().string();
        entry.CityCode = *code;
        entry.CityName = CityName(*code);
        entry.VersionText = VersionText(module->ByteExport("FileVersion"), module->ByteExport("CityVersion"));
        catalog.push_back(std::move(entry));
    }
    return catalog;
}

std::string VersionText(std::optional<std::uint8_t> fileVersion, std::optional<std::uint8_t> cityVersion) {
    std::string text;
    if (fileVersion) text = std::to_string(*fileVersion);
    if (cityVersion) {
        text += '.';
        text += std::to_string(*cityVersion);
    }
    return text;
}

std::string DefaultCityFile(const std::vector<TCatalogEntry>& catalog) {
    if (catalog.empty()) return {};
    if (catalog.size() == 1) return catalog.front().FileName;
    for (const auto& entry : catalog)
        if (entry.CityName == CityName(1)) return entry.FileName;
    return catalog.front().FileName;
}

std::string CityInfoText(const TCityInfo& info) {
    const std::string crlf = "\r\n";
    return "Информация" + crlf + crlf + crlf +
           "Город       : " + info.CityName + crlf + crlf +
           "Линий       : " + std::to_string(info.NumOfLines) + crlf + crlf +
           "Станций" + crlf +
           "на схеме    : " + std::to_string(info.NumOfStations) + crlf +
           "действующих : " + std::to_string(info.OperatingStations) + crlf + crlf +
           "Файл        : " + info.FileName + crlf +
           "Версия      : " + info.VersionText + crlf;
}

}  // namespace tnx
