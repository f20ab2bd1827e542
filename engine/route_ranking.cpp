#include "engine/route_ranking.h"

#include <algorithm>

namespace tnx {
namespace {

// Short lists: stable insertion sort. It orders exactly as the neighbour-swapping
// exchange sort does, because both move a record only past records that must follow it.
template <typename Before>
void InsertionSort(TRouteList& list, Before before) {
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

// Long lists: stable counting sort on one byte key through the scratch space; stable
// sorts by the same key give one order only, so it equals the exchange sort too.
template <typename Key>
void CountingSort(TRouteList& list, TRouteScratch& scratch, Key key) {
    int start[257] = {};
    const int n = list.RouteCount;
    for (int i = 0; i < n; ++i) ++start[key(list.Routes[static_cast<std::size_t>(i)]) + 1];
    for (int k = 1; k <= 256; ++k) start[k] += start[k - 1];
    for (int i = 0; i < n; ++i) {
        const TRoute& r = list.Routes[static_cast<std::size_t>(i)];
        scratch[static_cast<std::size_t>(start[key(r)]++)] = r;
    }
    std::copy_n(scratch.begin(), n, list.Routes.begin());
}

constexpr int kInsertionSortLimit = 32;

// Each reference, earliest first, drops every later record its test holds for. A
// record stays exactly when no record kept before it drops it, so one pass that
// compacts the list in place gives the same list as removing records one by one.
template <typename Test>
void DropLater(TRouteList& list, Test test) {
    int kept = 0;
    for (int r = 1; r <= list.RouteCount; ++r) {
        bool dropped = false;
        for (int k = 1; k <= kept && !dropped; ++k) dropped = test(list.Route(k), list.Route(r));
        if (!dropped) {
            ++kept;
            if (kept != r) list.Route(kept) = list.Route(r);
        }
    }
    list.RouteCount = static_cast<std::uint16_t>(kept);
}

}  // namespace

void SortByTime(TRouteList& list, TRouteScratch& scratch, std::uint8_t timeDiff) {
    if (list.RouteCount <= kInsertionSortLimit) {
        InsertionSort(list, [](const TRoute& a, const TRoute& b) {
            return a.Time < b.Time || (a.Time == b.Time && a.Changes < b.Changes);
        });
    } else {
        // Least significant key first: by transfers, then stably by time.
        CountingSort(list, scratch, [](const TRoute& r) { return r.Changes; });
        CountingSort(list, scratch, [](const TRoute& r) { return r.Time; });
    }
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
    DropLater(list, [](const TRoute& i, const TRoute& b) { return i.Time < b.Time && i.Changes <= b.Changes; });
}

void SortByChanges(TRouteList& list, TRouteScratch& scratch) {
    if (list.RouteCount <= kInsertionSortLimit) {
        InsertionSort(list, [](const TRoute& a, const TRoute& b) { return a.Changes < b.Changes; });
    } else {
        CountingSort(list, scratch, [](const TRoute& r) { return r.Changes; });
    }
}

void RankRoutes(TRouteList& list, TRouteScratch& scratch, const TRankSettings& settings) {
    SortByTime(list, scratch, settings.TimeDiff);
    DropRedundant(list, settings.ShowOnlyOptimal);
    if (settings.ArrangeByChanges) SortByChanges(list, scratch);
    if (list.RouteCount > kListedRoutes) list.RouteCount = kListedRoutes;
}

}  // namespace tnx
