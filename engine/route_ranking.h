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

void SortByTime(TRouteList& list, std::uint8_t timeDiff);
void DropRedundant(TRouteList& list, bool showOnlyOptimal);
void SortByChanges(TRouteList& list);
void RankRoutes(TRouteList& list, const TRankSettings& settings);

}  // namespace tnx
