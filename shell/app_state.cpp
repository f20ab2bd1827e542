#include "shell/app_state.h"

#include <QtGlobal>

#include "shell/city_names.h"
#include "shell/city_session.h"
#include "shell/program_version.h"

namespace tnx {

TAppState::TAppState(std::filesystem::path programDirectory)
    : programDirectory_(std::move(programDirectory)), routes_(std::make_unique<TRouteList>()),
      searchWork_(std::make_unique<TSearchWork>()), searchData_(std::make_unique<TSearchData>(City)) {
    const TProgramVersion version = SplitVersionText(GetFileVersionText());
    ProgramVersionText = version.Version;
    ProgramBuildText = version.Build;
}

TAppState::~TAppState() = default;

void TAppState::ScanCatalog(const TScanOptions& options) { Catalog = ScanCityModules(programDirectory_, options); }

std::optional<TCityPictures> TAppState::LoadCity(const std::string& fileName, const TTell& tell) {
    TCityLoad load;
    std::vector<std::string> listed;
    for (const TCatalogEntry& entry : Catalog) listed.push_back(entry.FileName);
    const TCityOpenResult result =
        OpenCityOrFirstListed(programDirectory_, fileName, listed, City, load, tell,
                              [](const std::string& reason) { qWarning("%s", reason.c_str()); });
    if (result == TCityOpenResult::Failed) return std::nullopt;

    // After a fall-back the current city file names the module actually loaded,
    // so that the catalog finds it.
    CurrentCityFile = load.FileName;
    CityModuleHandle = std::move(load.Module);
    City = load.Loaded.City;
    searchData_ = std::make_unique<TSearchData>(City);
    Settings.FstStation = load.Loaded.DefFirstStation;
    Settings.ChangesDiff = load.Loaded.MaxChanges;
    OperatingStations = load.Loaded.OperatingStations;
    CityVersionText =
        VersionText(load.Loaded.HasFileVersion ? std::optional<std::uint8_t>(load.Loaded.FileVersion) : std::nullopt,
                    load.Loaded.HasCityVersion ? std::optional<std::uint8_t>(load.Loaded.CityVersion) : std::nullopt);

    Settings = ReadCitySettings(City.CityCode, City.NumOfStations, Settings.FstStation);
    StartStation = Settings.FstStation;
    EndStation = Settings.FstStation;
    return std::move(load.Pictures);
}

bool TAppState::EndpointsWouldChange(std::uint8_t start, std::uint8_t finish) const {
    if (start == StartStation && finish == EndStation) return false;
    return IsStation(start) && IsStation(finish);
}

void TAppState::SetEndpoints(std::uint8_t start, std::uint8_t finish) {
    StartStation = start;
    EndStation = finish;
}

const TSearchOutcome& TAppState::Search(bool dayChecked, bool eveningChecked) {
    TSearchRequest request;
    request.StartStation = StartStation;
    request.EndStation = EndStation;
    request.Settings = Settings;
    request.DayChecked = dayChecked;
    request.EveningChecked = eveningChecked;
    LastSearch = RunSearchCommand(City, *searchData_, *searchWork_, *routes_, request);
    if (LastSearch.Result == TSearchResult::NoRoute) {
        ShownRouteStations.Clear();
        ShownRouteTransfers.Clear();
    } else if (LastSearch.Result == TSearchResult::Routes) {
        ShownRouteStations = LastSearch.ShownRouteStations;
        ShownRouteTransfers = LastSearch.ShownRouteTransfers;
    }
    return LastSearch;
}

void TAppState::ShowListedRoute(int index) {
    if (!HasListedRoute(index)) return;
    ShownRouteStations = routes_->Route(index + 1).Stations;
    ShownRouteTransfers = routes_->Route(index + 1).ChangeStations;
}

TOptionsConfirmed TAppState::ConfirmOptions(const TOptionsChoice& choice) {
    TOptionsConfirmed confirmed;
    Settings = choice.Settings;
    // Values that cannot be stored stay in effect until the program ends.
    confirmed.Failures.push_back(WriteCitySettings(City.CityCode, Settings));
    if (choice.CityFile.empty()) return confirmed;
    if (choice.CityFile != CurrentCityFile) {
        CurrentCityFile = choice.CityFile;
        confirmed.Failures.push_back(StoreCityFileName(CurrentCityFile));
        CityModuleHandle.reset();
        confirmed.CityChosen = true;
    } else if (const auto stored = StoredCityFileName(); stored && *stored != choice.CityFile) {
        // The city shown after a fall-back from a stored file that would not open:
        // confirming it makes it the stored choice, so the next start opens it
        // without the fall-back's message.
        confirmed.Failures.push_back(StoreCityFileName(choice.CityFile));
    }
    return confirmed;
}

std::string TAppState::CityInfoText() const {
    return tnx::CityInfoText({CityName(City.CityCode), City.NumOfLines, City.NumOfStations, OperatingStations,
                              CurrentCityFile, CityVersionText});
}

}  // namespace tnx
