#include "tools/route/station_argument.h"

#include <charconv>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "model/name_matcher.h"

namespace tnx {
namespace {

constexpr std::size_t kNearestShown = 5;

}  // namespace

TStationMatch ResolveStation(const TCity& city, const std::string& argument) {
    TStationMatch match;
    int number = 0;
    const char* end = argument.data() + argument.size();
    const auto parsed = std::from_chars(argument.data(), end, number);
    if (parsed.ec == std::errc() && parsed.ptr == end) {
        if (number >= 1 && number <= city.NumOfStations) match.Station = static_cast<std::uint8_t>(number);
        return match;
    }
    const auto bytes = Utf8ToCp1251(argument);
    if (!bytes || bytes->empty()) return match;
    if (const std::uint8_t n = FindStationByName(city, *bytes); n != 0) {
        match.Station = n;
        return match;
    }
    const std::vector<TNameCandidate> candidates = MatchStations(city, *bytes);
    // An exact match outranks every prefix.
    const TNameMatch best = candidates.empty() ? TNameMatch::None : candidates.front().Match;
    for (const TNameCandidate& c : candidates)
        if (best != TNameMatch::Exact || c.Match == TNameMatch::Exact) match.Candidates.push_back(c.Station);
    if (match.Candidates.size() == 1) {
        match.Station = match.Candidates.front();
        match.Candidates.clear();
    } else if (match.Candidates.empty()) {
        match.Nearest = NearestStations(city, *bytes, kNearestShown);
    }
    return match;
}

}  // namespace tnx
