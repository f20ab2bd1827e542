// Finding stations by what a user types: letter case, ё or е, the "~" suffix and
// the kind of separator between words make no difference. FindStationByName
// stays the byte-exact lookup; this one is for people.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/city_tables.h"

namespace tnx {

// How well a typed text names a station; a greater value is a better match.
enum class TNameMatch : std::uint8_t { None, WordPrefix, NamePrefix, Exact };

// Windows-1251 text folded for matching: lower case, ё as е, quotation marks
// dropped, every run of spaces, hyphens, dashes and dots one space, none in
// front. One separator at the end is kept: "сокол " asks for the whole word.
std::string FoldName(std::string_view cp1251);

// How a folded typed text matches a stored name: equal to it (with or without
// its "~" suffix), a prefix of it, or a prefix of it from one of its later words on.
TNameMatch MatchName(std::string_view foldedTyped, std::string_view storedName);

struct TNameCandidate {
    std::uint8_t Station = 0;
    TNameMatch Match = TNameMatch::None;
};

// Stations 1..NumOfStations that the typed text (Windows-1251) names: exact
// matches first, then name prefixes, then word prefixes; within each, in the
// order of their folded display names, then by number. Empty for a text of
// nothing but separators.
std::vector<TNameCandidate> MatchStations(const TCity& city, std::string_view typed);

// Up to `count` stations whose names come closest to the typed text (fewest
// letters to change, add or drop to make it a prefix of the name or of one of
// its words), closest first; only those within a quarter of the text's length
// (at least one).
std::vector<std::uint8_t> NearestStations(const TCity& city, std::string_view typed, std::size_t count);

}  // namespace tnx
