#include "model/name_matcher.h"

#include <algorithm>
#include <array>

#include "model/lookups.h"

namespace tnx {
namespace {

enum TFoldClass : std::uint8_t { kKeep, kSeparator, kDropped };

struct TFoldTable {
    std::array<unsigned char, 256> Lower{};
    std::array<TFoldClass, 256> Class{};
};

constexpr TFoldTable MakeFoldTable() {
    TFoldTable t;
    for (int b = 0; b < 256; ++b) t.Lower[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) t.Lower[b] = static_cast<unsigned char>(b + 32);
    for (int b = 0xC0; b <= 0xDF; ++b) t.Lower[b] = static_cast<unsigned char>(b + 32);
    // The capitals outside А..Я and their small letters.
    constexpr unsigned char kPairs[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
                                           {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                                           {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (const auto& pair : kPairs) t.Lower[pair[0]] = pair[1];
    t.Lower[0xA8] = 0xE5;  // Ё
    t.Lower[0xB8] = 0xE5;  // ё
    // Space, tab, hyphen, dot, en and em dash, no-break space.
    for (unsigned char b : {0x20, 0x09, 0x2D, 0x2E, 0x96, 0x97, 0xA0}) t.Class[b] = kSeparator;
    // Straight, angle and curly quotation marks, apostrophes.
    for (unsigned char b : {0x22, 0x27, 0xAB, 0xBB, 0x84, 0x93, 0x94, 0x91, 0x92}) t.Class[b] = kDropped;
    return t;
}

constexpr TFoldTable kFold = MakeFoldTable();

std::string Fold(std::string_view text, bool keepTrailingSeparator) {
    std::string out;
    out.reserve(text.size());
    bool pendingSeparator = false;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (kFold.Class[b] == kDropped) continue;
        if (kFold.Class[b] == kSeparator) {
            pendingSeparator = !out.empty();
            continue;
        }
        if (pendingSeparator) out += ' ';
        pendingSeparator = false;
        out += static_cast<char>(kFold.Lower[b]);
    }
    if (pendingSeparator && keepTrailingSeparator) out += ' ';
    return out;
}

std::string FoldedDisplayName(const TStation& s) { return Fold(DisplayName(StoredName(s)), false); }

// Where the name's words begin.
std::vector<std::size_t> WordStarts(std::string_view folded) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i + 1 < folded.size(); ++i)
        if (folded[i] == ' ') starts.push_back(i + 1);
    return starts;
}

// Fewest edits that turn typed into a prefix of text.
std::size_t PrefixDistance(std::string_view typed, std::string_view text) {
    std::vector<std::size_t> row(text.size() + 1), next(text.size() + 1);
    for (std::size_t j = 0; j <= text.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= typed.size(); ++i) {
        next[0] = i;
        for (std::size_t j = 1; j <= text.size(); ++j) {
            const std::size_t substitute = row[j - 1] + (typed[i - 1] == text[j - 1] ? 0 : 1);
            next[j] = std::min({substitute, row[j] + 1, next[j - 1] + 1});
        }
        row.swap(next);
    }
    return *std::min_element(row.begin(), row.end());
}

struct TRanked {
    std::uint8_t Station;
    TNameMatch Match;
    std::size_t Distance;
    std::string Folded;
};

// Better match, then fewer edits, then alphabetical, then by number.
bool RankedBefore(const TRanked& a, const TRanked& b) {
    if (a.Match != b.Match) return a.Match > b.Match;
    if (a.Distance != b.Distance) return a.Distance < b.Distance;
    if (a.Folded != b.Folded)
        return std::lexicographical_compare(
            a.Folded.begin(), a.Folded.end(), b.Folded.begin(), b.Folded.end(),
            [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    return a.Station < b.Station;
}

int StationCount(const TCity& city) { return std::min<int>(city.NumOfStations, kMaxStations); }

}  // namespace

std::string FoldName(std::string_view cp1251) { return Fold(cp1251, true); }

TNameMatch MatchName(std::string_view foldedTyped, std::string_view storedName) {
    std::string_view whole = foldedTyped;
    if (!whole.empty() && whole.back() == ' ') whole.remove_suffix(1);
    if (whole.empty()) return TNameMatch::None;
    const std::string name = Fold(DisplayName(storedName), false);
    if (whole == name) return TNameMatch::Exact;
    if (DisplayName(storedName).size() != storedName.size() && whole == Fold(storedName, false))
        return TNameMatch::Exact;
    const std::string_view shown = name;
    if (shown.starts_with(foldedTyped)) return TNameMatch::NamePrefix;
    for (std::size_t start : WordStarts(shown))
        if (start > 0 && shown.substr(start).starts_with(foldedTyped)) return TNameMatch::WordPrefix;
    return TNameMatch::None;
}

std::vector<TNameCandidate> MatchStations(const TCity& city, std::string_view typed) {
    const std::string folded = FoldName(typed);
    std::vector<TRanked> ranked;
    for (int n = 1; n <= StationCount(city); ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        const TNameMatch match = MatchName(folded, StoredName(s));
        if (match != TNameMatch::None) ranked.push_back({static_cast<std::uint8_t>(n), match, 0, FoldedDisplayName(s)});
    }
    std::sort(ranked.begin(), ranked.end(), RankedBefore);
    std::vector<TNameCandidate> out;
    out.reserve(ranked.size());
    for (const TRanked& r : ranked) out.push_back({r.Station, r.Match});
    return out;
}

std::vector<std::uint8_t> NearestStations(const TCity& city, std::string_view typed, std::size_t count) {
    const std::string folded = Fold(typed, false);
    if (folded.empty()) return {};
    const std::size_t limit = std::max<std::size_t>(1, folded.size() / 4);
    std::vector<TRanked> ranked;
    for (int n = 1; n <= StationCount(city); ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        std::string name = FoldedDisplayName(s);
        std::size_t best = folded.size();
        for (std::size_t start : WordStarts(name))
            best = std::min(best, PrefixDistance(folded, std::string_view(name).substr(start)));
        if (best <= limit) ranked.push_back({static_cast<std::uint8_t>(n), TNameMatch::None, best, std::move(name)});
    }
    std::sort(ranked.begin(), ranked.end(), RankedBefore);
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < ranked.size() && i < count; ++i) out.push_back(ranked[i].Station);
    return out;
}

}  // namespace tnx
