#include "shell/module_catalog.h"

#include <algorithm>
#include <cctype>

#include "shell/city_module.h"
#include "shell/city_names.h"

namespace tnx {

namespace {

bool HasModuleExtension(const std::filesystem::path& path) {
    const std::string ext = path.extension().string();
    return ext.size() == 4 && ext[0] == '.' && std::tolower(static_cast<unsigned char>(ext[1])) == 't' &&
           std::tolower(static_cast<unsigned char>(ext[2])) == 'n' &&
           std::tolower(static_cast<unsigned char>(ext[3])) == 'd';
}

}  // namespace

std::vector<TCatalogEntry> ScanCityModules(const std::filesystem::path& folder, const TScanOptions& options) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (HasModuleExtension(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.filename() < b.filename(); });

    std::vector<TCatalogEntry> catalog;
    bool first = true;
    for (const auto& path : files) {
        const std::string fileName = path.filename().string();
        std::string error;
        const auto index = PeekCityModule(path, error);
        if (index && options.FileOpened) options.FileOpened(fileName);
        if (first && options.FirstFileDone) options.FirstFileDone();
        first = false;
        std::uint8_t code = 0;
        if (index) {
            const auto exported = index->Export("CityCode");
            if (!exported)
                error = "нет значения CityCode";
            else if (!IsCityCode(*exported))
                error = CityCodeOutOfRange(*exported);
            else
                code = *exported;
        }
        if (code == 0) {
            if (options.Refused) options.Refused(fileName, error);
            continue;
        }
        TCatalogEntry entry;
        entry.FileName = fileName;
        entry.CityCode = code;
        entry.CityName = CityName(code);
        entry.VersionText = VersionText(index->Export("FileVersion"), index->Export("CityVersion"));
        catalog.push_back(std::move(entry));
    }
    return catalog;
}

std::string RefusalLine(const std::string& fileName, const std::string& reason) {
    return "tunnex: " + fileName + ": " + reason;
}

std::string RefusedModulesMessage(const std::vector<TRefusedModule>& refused) {
    std::string text = "Файлы данных в каталоге программы не подключены:\r\n";
    for (const TRefusedModule& r : refused) text += "\r\n" + r.FileName + " \u2014 " + r.Reason;
    return text;
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
    return "Информация" + crlf + crlf + crlf + "Город       : " + info.CityName + crlf + crlf +
           "Линий       : " + std::to_string(info.NumOfLines) + crlf + crlf + "Станций" + crlf +
           "на схеме    : " + std::to_string(info.NumOfStations) + crlf +
           "действующих : " + std::to_string(info.OperatingStations) + crlf + crlf + "Файл        : " + info.FileName +
           crlf + "Версия      : " + info.VersionText + crlf;
}

}  // namespace tnx
