// The search command: everything the route search button does that is not a window effect.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/route.h"
#include "engine/route_steps.h"
#include "engine/search_data.h"
#include "engine/search_settings.h"
#include "engine/search_work.h"
#include "model/city_tables.h"

namespace tnx {

inline constexpr const char* kNoRouteMessage =
    "Маршрут не найден.\r\n\r\nЕсли вы уверены, что путь должен существовать,\r\n"
    "увеличьте в настройках количество используемых пересадок.";

struct TSearchRequest {
    std::uint8_t StartStation = 0;
    std::uint8_t EndStation = 0;
    TCitySettings Settings;
    bool DayChecked = true;       // DayRadioButton
    bool EveningChecked = false;  // EvRadioButton
};

enum class TSearchResult {
    SameStation,  // start equals end: show the city information instead; no search ran
    NoRoute,      // show kNoRouteMessage; the shown route is emptied
    Routes,       // Entries holds one text per listed route; the first is shown
};

// A listed route as the route card shows it.
struct TListedRoute {
    std::uint8_t Time = 0;
    std::uint8_t Changes = 0;
    std::optional<TRouteSteps> Steps;  // empty when they could not be traced
};

struct TSearchOutcome {
    TSearchResult Result = TSearchResult::NoRoute;
    std::vector<std::string> Entries;  // "28 минут, 1 пересадка", in list order
    std::vector<TListedRoute> Listed;  // beside Entries
    // The route to show on the map; unchanged by SameStation.
    TStationSet ShownRouteStations{};
    TStationSet ShownRouteTransfers{};
};

// Sets city's effective wait table for request: none without waits, else the checked
// button's; it keeps its previous content when neither button is checked.
void ChooseEffectiveWait(TCity& city, const TSearchRequest& request);

// Chooses the effective wait table, searches with it, ranks, and describes the result.
// data must be city's own; given another city's, it searches nothing (NoRoute).
TSearchOutcome RunSearchCommand(TCity& city, const TSearchData& data, TSearchWork& work, TRouteList& list,
                                const TSearchRequest& request);

// The text of a route list entry.
std::string RouteEntryText(const TRoute& route);

}  // namespace tnx
