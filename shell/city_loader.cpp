#include "shell/city_loader.h"

#include <algorithm>
#include <cstring>

#include "model/city_check.h"
#include "model/city_format.h"
#include "model/city_resources.h"

namespace tnx {
namespace {

bool CopyResource(const CityModule& module, const char* name, void* target, std::size_t size, std::string& error) {
    const auto bytes = module.FindResource(name, kResourceTypeRcData);
    if (!bytes) {
        error = std::string("нет ресурса ") + name;
        return false;
    }
    if (bytes->size() < size) {
        error = std::string("ресурс ") + name + " короче " + std::to_string(size) + " байт (" +
                std::to_string(bytes->size()) + ")";
        return false;
    }
    std::memcpy(target, bytes->data(), size);
    return true;
}

void ReadExport(const CityModule& module, const char* name, std::uint8_t& value, bool* present = nullptr) {
    const auto v = module.ByteExport(name);
    if (v) value = *v;
    if (present != nullptr) *present = v.has_value();
}

}  // namespace

bool ReadCityModule(const CityModule& module, const TCity& previous, TLoadedCity& loaded, std::string& error) {
    auto result = std::make_unique<TLoadedCity>();
    TCity& city = result->City;
    city = previous;

    ReadExport(module, "IsNTime", city.IsNTime);
    ReadExport(module, "NumOfStations", city.NumOfStations);
    ReadExport(module, "NumOfLines", city.NumOfLines);
    ReadExport(module, "CityCode", city.CityCode);
    ReadExport(module, "DefFirstStation", result->DefFirstStation);
    ReadExport(module, "MaxChanges", result->MaxChanges);
    ReadExport(module, "FileVersion", result->FileVersion, &result->HasFileVersion);
    ReadExport(module, "CityVersion", result->CityVersion, &result->HasCityVersion);

    if (!IsCityCode(city.CityCode)) {
        error = CityCodeOutOfRange(city.CityCode);
        return false;
    }
    if (!CopyResource(module, resource::kStations, &city.Stations, kStationsResourceSize, error) ||
        !CopyResource(module, resource::kChanges, &city.Changes, kChangesResourceSize, error) ||
        !CopyResource(module, resource::kDayWait, city.DayWait.data(), kWaitResourceSize, error) ||
        !CopyResource(module, resource::kEveningWait, city.EveningWait.data(), kWaitResourceSize, error)) {
        return false;
    }
    city.ZeroWait.fill(0);

    if (std::string problem = CheckCityTables(city); !problem.empty()) {
        error = problem;
        return false;
    }
    if (result->DefFirstStation < 1 || result->DefFirstStation > city.NumOfStations) {
        error = "DefFirstStation = " + std::to_string(result->DefFirstStation) + " указывает за пределы города";
        return false;
    }

    if (const auto info = module.FindResource(resource::kInfo, kResourceTypeRcData)) result->InfoText = InfoText(*info);
    for (int n = 1; n <= city.NumOfStations; ++n)
        if (city.Station(static_cast<std::uint8_t>(n)).InOperation != 0) ++result->OperatingStations;

    loaded = std::move(*result);
    return true;
}

bool LoadCityFile(const std::filesystem::path& path, const TCity& previous, TLoadedCity& loaded,
                  std::unique_ptr<CityModule>& module, std::string& error) {
    std::string reason;
    auto opened = CityModule::Open(path, reason);
    if (!opened) {
        error = "Ошибка подключения файла данных " + path.filename().string() + ": " + reason;
        return false;
    }
    if (!ReadCityModule(*opened, previous, loaded, reason)) {
        error = "Файл данных " + path.filename().string() + " поврежден: " + reason;
        return false;
    }
    module = std::move(opened);
    return true;
}

}  // namespace tnx
