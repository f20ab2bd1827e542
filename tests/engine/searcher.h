// What a caller of the search keeps beside a city: its search data, the search's
// working storage and a route list.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/route_search.h"
#include "engine/search_command.h"

namespace tnx::test {

struct Searcher {
    std::unique_ptr<TRouteList> list = std::make_unique<TRouteList>();
    std::unique_ptr<TSearchWork> work = std::make_unique<TSearchWork>();
    std::unique_ptr<TSearchData> data;

    // Builds the data from city as it is now: again whenever a test changes the city.
    const TSearchData& Load(const TCity& city) {
        data = std::make_unique<TSearchData>(city);
        return *data;
    }
    // A search of the loaded city.
    TRouteSearch Search(const TWaitTable& waits, int changesDiff, int timeDiff, int capacity = kRouteCapacity) {
        return TRouteSearch(*data, waits, *work, *list, static_cast<std::uint8_t>(changesDiff),
                            static_cast<std::uint8_t>(timeDiff), capacity);
    }
    // The search command on the loaded city.
    TSearchOutcome Command(TCity& city, const TSearchRequest& request) {
        return RunSearchCommand(city, *data, *work, *list, request);
    }
};

}  // namespace tnx::test
