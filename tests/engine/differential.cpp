#include "tests/engine/differential.h"

#include <algorithm>
#include <cstring>

#include "engine/route_ranking.h"
#include "engine/route_search.h"
#include "tests/reference/literal_search.h"

namespace tnx::test {
namespace {

std::string SameList(const TRouteList& a, const TRouteList& b, const char* what) {
    if (a.RouteCount != b.RouteCount)
        return std::string(what) + ": " + std::to_string(a.RouteCount) + " routes, literal " +
               std::to_string(b.RouteCount);
    for (int i = 1; i <= a.RouteCount; ++i)
        if (std::memcmp(&a.Route(i), &b.Route(i), sizeof(TRoute)) != 0)
            return std::string(what) + ": record " + std::to_string(i) + " differs (time " +
                   std::to_string(a.Route(i).Time) + ", literal " + std::to_string(b.Route(i).Time) + ")";
    return {};
}

void CopyList(const TRouteList& from, TRouteList& to) {
    to.RouteCount = from.RouteCount;
    to.BestTime = from.BestTime;
    std::copy_n(from.Routes.begin(), from.RouteCount, to.Routes.begin());
}

}  // namespace

std::string Describe(const DiffCase& c) {
    static const char* waits[] = {"day", "evening", "none"};
    return std::to_string(c.start) + " -> " + std::to_string(c.finish) + ", changes " + std::to_string(c.changesDiff) +
           ", time diff " + std::to_string(c.timeDiff) + ", wait " + waits[static_cast<int>(c.wait)] +
           (c.capacity < kRouteCapacity ? ", capacity " + std::to_string(c.capacity) : "");
}

Differential::Differential()
    : fast_(std::make_unique<TRouteList>()), literal_(std::make_unique<TRouteList>()),
      rankedFast_(std::make_unique<TRouteList>()), rankedLiteral_(std::make_unique<TRouteList>()),
      work_(std::make_unique<TSearchWork>()), city_(std::make_unique<TCity>()) {}

std::string Differential::Compare(const TSearchData& data, const DiffCase& c) {
    const TCity& city = data.City();
    *city_ = city;
    city_->EffectiveWait = c.wait == Wait::Day       ? city.DayWait
                           : c.wait == Wait::Evening ? city.EveningWait
                                                     : city.ZeroWait;
    TRouteSearch fast(data, city_->EffectiveWait, *work_, *fast_, c.changesDiff, c.timeDiff, c.capacity);
    fast.FindRoutes(c.start, c.finish);
    reference::LiteralSearch literal(*city_, *literal_, c.changesDiff, c.timeDiff, c.capacity);
    literal.FindRoutes(c.start, c.finish);
    ++searches_;
    if (std::string d = SameList(*fast_, *literal_, "stored"); !d.empty()) return d;
    if (fast_->BestTime != literal_->BestTime) return "best time differs";
    if (fast_->RouteCount < 2) return {};

    for (int optimal = 0; optimal < 2; ++optimal) {
        for (int byChanges = 0; byChanges < 2; ++byChanges) {
            const TRankSettings settings{c.timeDiff, optimal == 1, byChanges == 1};
            CopyList(*fast_, *rankedFast_);
            CopyList(*literal_, *rankedLiteral_);
            RankRoutes(*rankedFast_, work_->Scratch, settings);
            reference::LiteralRankRoutes(*rankedLiteral_, settings);
            const std::string what = std::string("ranked (optimal ") + (optimal ? "on" : "off") + ", by changes " +
                                     (byChanges ? "on" : "off") + ")";
            if (std::string d = SameList(*rankedFast_, *rankedLiteral_, what.c_str()); !d.empty()) return d;
        }
    }
    return {};
}

}  // namespace tnx::test
