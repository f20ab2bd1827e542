#include "engine/search_command.h"

#include "engine/route_ranking.h"
#include "engine/route_search.h"
#include "engine/route_texts.h"

namespace tnx {

std::string RouteEntryText(const TRoute& route) { return MinutesText(route.Time) + ", " + ChangesText(route.Changes); }

void ChooseEffectiveWait(TCity& city, const TSearchRequest& request) {
    if (!request.Settings.UseWaitTime) {
        city.EffectiveWait = city.ZeroWait;
    } else if (request.DayChecked) {
        city.EffectiveWait = city.DayWait;
    } else if (request.EveningChecked) {
        city.EffectiveWait = city.EveningWait;
    }
}

TSearchOutcome RunSearchCommand(TCity& city, const TSearchData& data, TSearchWork& work, TRouteList& list,
                                const TSearchRequest& request) {
    TSearchOutcome outcome;
    if (request.StartStation == request.EndStation) {
        outcome.Result = TSearchResult::SameStation;
        return outcome;
    }
    ChooseEffectiveWait(city, request);
    if (!data.Describes(city)) {
        list.RouteCount = 0;
        return outcome;
    }

    const TCitySettings& s = request.Settings;
    const TRankSettings ranking{s.TimeDiff, s.ShowOnlyOptimal, s.ArrangeByChanges};
    FindRoutes(data, city.EffectiveWait, work, list, request.StartStation, request.EndStation, s.ChangesDiff, ranking);

    if (list.RouteCount == 0) {
        outcome.Result = TSearchResult::NoRoute;
        return outcome;
    }
    outcome.Result = TSearchResult::Routes;
    outcome.Entries.reserve(list.RouteCount);
    outcome.Listed.reserve(list.RouteCount);
    for (int i = 1; i <= list.RouteCount; ++i) {
        const TRoute& route = list.Route(i);
        outcome.Entries.push_back(RouteEntryText(route));
        // Traced after ranking, for the listed routes only, so the search pays nothing.
        outcome.Listed.push_back(
            {route.Time, route.Changes,
             RouteSteps(city, city.EffectiveWait, request.StartStation, request.EndStation, route)});
    }
    outcome.ShownRouteStations = list.Route(1).Stations;
    outcome.ShownRouteTransfers = list.Route(1).ChangeStations;
    return outcome;
}

}  // namespace tnx
