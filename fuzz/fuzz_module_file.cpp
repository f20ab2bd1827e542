// A whole city module file as arbitrary bytes: the container's checks, the loader's
// checks of the tables, the pictures decoded and one search, each refusing with a
// message or running to completion.
//
// The first byte chooses whether the checksums are set right before the bytes are read,
// so that most inputs get past them to the directory, the tables and the pictures; the
// rest of the input is the file.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/search_command.h"
#include "model/module_file.h"
#include "shell/city_loader.h"
#include "shell/city_module.h"
#include "shell/city_pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tnx;
    if (size == 0) return 0;
    std::vector<std::uint8_t> bytes(data + 1, data + size);
    if (data[0] % 4 != 0) SetModuleChecksums(bytes);

    std::string error;
    const auto module = CityModule::FromBytes(std::move(bytes), "fuzz.tnd", error);
    if (!module) {
        if (error.empty()) std::abort();  // every refusal says why
        return 0;
    }
    static auto* loaded = new TLoadedCity();
    static auto* list = new TRouteList();
    static auto* work = new TSearchWork();
    if (!ReadCityModule(*module, TCity{}, *loaded, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    TCityPictures pictures;
    if (!ReadCityPictures(*module, pictures, error) && error.empty()) std::abort();
    for (int line = 1; line <= loaded->City.NumOfLines; ++line) (void)ReadLineIcon(*module, line);

    TSearchRequest request;
    request.StartStation = loaded->DefFirstStation;
    request.EndStation = loaded->City.NumOfStations;
    request.Settings.ChangesDiff = 3;
    request.DayChecked = true;
    const auto searchData = std::make_unique<TSearchData>(loaded->City);
    const TSearchOutcome outcome = RunSearchCommand(loaded->City, *searchData, *work, *list, request);
    if (outcome.Result == TSearchResult::Routes && (outcome.Entries.empty() || outcome.Entries.size() > 10))
        std::abort();
    return 0;
}
