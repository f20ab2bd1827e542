// The program's state apart from its windows: the loaded city and its module, the
// catalog, the seven settings, the endpoints, the shown route and the last search. The
// main window owns one; its controls hand the user's actions to it and show what it holds.
// Nothing here shows anything: a failure the user must hear of goes to a TTell.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/route.h"
#include "engine/search_command.h"
#include "engine/search_data.h"
#include "engine/search_settings.h"
#include "engine/search_work.h"
#include "model/city_tables.h"
#include "model/station_set.h"
#include "shell/city_module.h"
#include "shell/city_pictures.h"
#include "shell/module_catalog.h"
#include "shell/settings_store.h"
#include "shell/station_change.h"

namespace tnx {

// Tells the user a message in Russian, lines broken by CR LF.
using TTell = std::function<void(const std::string& message)>;

// What confirming the options dialog hands back: the settings as edited there and the
// file chosen in its city chooser (empty when nothing is chosen).
struct TOptionsChoice {
    TCitySettings Settings;
    std::string CityFile;
};

// What confirming stored and changed.
struct TOptionsConfirmed {
    std::vector<TStoreFailure> Failures;  // empty texts where the store took the values
    bool CityChosen = false;              // CurrentCityFile names another city, to be loaded
};

class TAppState {
public:
    // programDirectory is where the city modules lie.
    explicit TAppState(std::filesystem::path programDirectory);
    ~TAppState();
    TAppState(const TAppState&) = delete;
    TAppState& operator=(const TAppState&) = delete;

    const std::filesystem::path& ProgramDirectory() const { return programDirectory_; }

    // Lists the modules of the program's folder in Catalog.
    void ScanCatalog(const TScanOptions& options);

    // Opens fileName, else the first listed module that opens, telling of each failure.
    // On success the city, its module, its stored settings and the endpoints (both its
    // first station) are in effect and its pictures are returned; on failure nothing changed.
    std::optional<TCityPictures> LoadCity(const std::string& fileName, const TTell& tell);

    bool IsStation(std::uint8_t n) const { return n >= 1 && n <= City.NumOfStations; }
    // False for the pair in effect and for a number that names no station.
    bool EndpointsWouldChange(std::uint8_t start, std::uint8_t finish) const;
    void SetEndpoints(std::uint8_t start, std::uint8_t finish);

    // Searches between the endpoints with the settings in effect; the time-of-day buttons
    // choose the wait table. The outcome is kept as LastSearch and sets the shown route.
    const TSearchOutcome& Search(bool dayChecked, bool eveningChecked);
    // Listed route `index` (from 0) of the last search becomes the shown route.
    bool HasListedRoute(int index) const { return index >= 0 && index < routes_->RouteCount; }
    void ShowListedRoute(int index);
    // The ranked routes of the last search.
    const TRouteList& Routes() const { return *routes_; }

    // The settings go into effect and into the store, always under the city loaded now;
    // a chosen file that differs from CurrentCityFile becomes it, stored, and its module is
    // released until the caller loads it.
    TOptionsConfirmed ConfirmOptions(const TOptionsChoice& choice);

    // The "Информация" block shown when start equals end.
    std::string CityInfoText() const;

    // The loaded city and what the user has chosen.
    TCity City;
    TCitySettings Settings;
    std::uint8_t StartStation = 0;
    std::uint8_t EndStation = 0;
    bool SearchRunning = false;
    TStationSet ShownRouteStations{};
    TStationSet ShownRouteTransfers{};
    TSearchOutcome LastSearch;
    // Station lists changed by the user and not yet applied.
    TStationChangeState StationChange;

    // Catalog and start-up state.
    std::vector<TCatalogEntry> Catalog;
    std::string CurrentCityFile;
    std::unique_ptr<CityModule> CityModuleHandle;
    std::string ProgramVersionText;
    std::string ProgramBuildText;
    bool FirstRun = false;
    int OperatingStations = 0;
    std::string CityVersionText;

private:
    std::filesystem::path programDirectory_;
    std::unique_ptr<TRouteList> routes_;
    std::unique_ptr<TSearchWork> searchWork_;
    std::unique_ptr<TSearchData> searchData_;  // City's, built anew at every load
};

}  // namespace tnx
