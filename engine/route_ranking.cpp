#include "engine/route_ranking.h"

#include <cstring>

namespace tnx {
namespace {

void RemoveAt(TRouteList& list, int position) {
    for (int p = position; p < list.RouteCount; ++p) list.Route(p) = list.Route(p + 1);
    --list.RouteCount;
}

// Stable insertion sort; orders exactly as the neighbour-swapping exchange sort
// would, because both move a record only past records that must follow it.
template <typename Before>
void StableSort(TRouteList& list, Before before) {
    for (int i = 2; i <= list.RouteCount; ++i) {
        const TRoute moving = list.Route(i);
        int p = i - 1;
        while (p >= 1 && before(moving, list.Route(p))) {
            list.Route(p + 1) = list.Route(p);
            --p;
        }
        list.Route(p + 1) = moving;
    }
}

template <typename Test>
void DropLater(TRouteList& list, Test test) {
    for (int i = 1; i <= list.RouteCount; ++i) {
        for (int b = list.RouteCount; b >= i + 1; --b) {
            if (test(list.Route(i), list.Route(b))) RemoveAt(list, b);
        }
    }
}

}  // namespace

void SortByTime(TRouteList& list, std::uint8_t timeDiff) {
    StableSort(list, [](const TRoute& a, const TRoute& b) {
        return a.Time < b.Time || (a.Time == b.Time && a.Changes < b.Changes);
    });
    for (int p = 1; p <= list.RouteCount; ++p) {
        if (list.Route(p).Time - list.BestTime > timeDiff) {
            list.RouteCount = static_cast<std::uint16_t>(p - 1);
            break;
        }
    }
}

void DropRedundant(TRouteList& list, bool showOnlyOptimal) {
    DropLater(list, [](const TRoute& i, const TRoute& b) {
        return !i.Stations.Empty() && !b.Stations.Empty() && i.Stations.SubsetOf(b.Stations);
    });
    if (!showOnlyOptimal) return;
    DropLater(list, [](const TRoute& i, const TRoute& b) {
        return i.Time < b.Time && i.Changes <= b.Changes;
    });
}

void SortByChanges(TRouteList& list) {
    StableSort(list, [](const TRoute& a, const TRoute& b) { return a.Changes < b.Changes; });
}

void RankRoutes(TRouteList& list, const TRankSettings& settings) {
    SortByTime(list, settings.TimeDiff);
    DropRedundant(list, settings.ShowOnlyOptimal);
    if (settings.ArrangeByChanges) SortByChanges(list);
    if (list.RouteCount > kListedRoutes) list.RouteCount = kListedRoutes;
}

}  // namespace tnx
