// Ordering, thinning and cutting of the stored routes.
#pragma once

#include <cstdint>

#include "engine/route.h"

namespace tnx {

struct TRankSettings {
    std::uint8_t TimeDiff = 10;
    bool ShowOnlyOptimal = true;
    bool ArrangeByChanges = false;
};

// scratch is room for the sorts of long lists; its content is of no meaning before or after.
void SortByTime(TRouteList& list, TRouteScratch& scratch, std::uint8_t timeDiff);
void DropRedundant(TRouteList& list, bool showOnlyOptimal);
void SortByChanges(TRouteList& list, TRouteScratch& scratch);
void RankRoutes(TRouteList& list, TRouteScratch& scratch, const TRankSettings& settings);

}  // namespace tnx
