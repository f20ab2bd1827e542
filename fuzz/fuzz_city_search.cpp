// A city module's exports and data tables as arbitrary bytes, then arbitrary
// settings and endpoints: the loader's checks must refuse the tables with a message
// or the search command must run to completion on them, with the steps of every listed
// route traced.
//
// Input: 8 export bytes (IsNTime, NumOfStations, NumOfLines, CityCode, DefFirstStation,
// MaxChanges, FileVersion, CityVersion), STATIONS (8280), CHANGES (726), DWAITTIME (11),
// NWAITTIME (11), then settings: start, end, ChangesDiff, TimeDiff, flags.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/search_command.h"
#include "fuzz/fuzz_input.h"
#include "model/city_check.h"
#include "model/lookups.h"

namespace {

constexpr std::uint8_t kMaxChangesSearched = 6;  // the options dialog offers 0..5

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tnx;
    static auto* list = new TRouteList();
    static auto* work = new TSearchWork();
    static auto* city = new TCity();
    fuzz::Input in(data, size);
    *city = TCity{};
    city->IsNTime = in.Byte();
    city->NumOfStations = in.Byte();
    city->NumOfLines = in.Byte();
    city->CityCode = in.Byte();
    in.Byte();  // DefFirstStation, MaxChanges, FileVersion, CityVersion: not used by the search
    in.Byte();
    in.Byte();
    in.Byte();
    in.Bytes(&city->Stations, sizeof city->Stations);
    in.Bytes(&city->Changes, sizeof city->Changes);
    in.Bytes(city->DayWait.data(), city->DayWait.size());
    in.Bytes(city->EveningWait.data(), city->EveningWait.size());

    const std::string problem = CheckCityTables(*city);
    if (!problem.empty()) return 0;  // refused, with a message: fine
    const auto searchData = std::make_unique<TSearchData>(*city);

    for (int n = 1; n <= city->NumOfStations; ++n) {
        const auto name = StoredName(city->Station(static_cast<std::uint8_t>(n)));
        if (FindStationByName(*city, name) == 0) std::abort();  // a stored name is always found
        (void)DisplayName(name);
    }

    TSearchRequest request;
    request.StartStation = in.Byte();
    request.EndStation = in.Byte();
    request.Settings.ChangesDiff = static_cast<std::uint8_t>(in.Byte() % (kMaxChangesSearched + 1));
    request.Settings.TimeDiff = in.Byte();
    const std::uint8_t flags = in.Byte();
    request.Settings.UseWaitTime = flags & 1;
    request.Settings.ShowOnlyOptimal = flags & 2;
    request.Settings.ArrangeByChanges = flags & 4;
    request.DayChecked = flags & 8;
    request.EveningChecked = flags & 16;
    const TSearchOutcome outcome = RunSearchCommand(*city, *searchData, *work, *list, request);
    if (outcome.Result == TSearchResult::Routes && (outcome.Entries.empty() || outcome.Entries.size() > 10))
        std::abort();
    // Every listed route's steps are traced, and their minutes make up its time.
    for (const TListedRoute& route : outcome.Listed) {
        if (!route.Steps) std::abort();
        int minutes = 0;
        for (const TRouteStep& step : *route.Steps) {
            if (const auto* ride = std::get_if<TRideStep>(&step))
                minutes += ride->Minutes + ride->Wait;
            else
                minutes += std::get<TTransferStep>(step).Minutes;
        }
        if (minutes != route.Time) std::abort();
    }
    return 0;
}
