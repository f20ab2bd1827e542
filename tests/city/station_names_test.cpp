// Every station of every shipped city is found by its name as people type it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "model/name_matcher.h"
#include "tests/city/shipped_city.h"

namespace tnx::shipped {
namespace {

// A name as a reader sees it, worked out in code points rather than in the
// module's bytes: lower case, е for ё, and its words (runs of letters and digits).
struct TReadName {
    std::u32string Lower;  // е for ё
    std::vector<std::u32string> Words;
    std::u32string Joined;  // the words, one space apart
};

TReadName Read(std::string_view utf8) {
    TReadName name;
    std::u32string word;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = NextUtf8CodePoint(utf8, i).value_or(U'?');
        if (c >= U'A' && c <= U'Z') c += 32;
        if (c >= 0x410 && c <= 0x42F) c += 32;
        if (c >= 0x400 && c <= 0x40F) c += 80;
        if (c == U'ё') c = U'е';
        name.Lower += c;
        const bool letter = (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') || (c >= 0x400 && c <= 0x4FF);
        if (letter) word += c;
        if (!word.empty() && (!letter || i == utf8.size())) {
            name.Words.push_back(word);
            word.clear();
        }
    }
    for (const std::u32string& w : name.Words) name.Joined += (name.Joined.empty() ? U"" : U" ") + w;
    return name;
}

std::string Utf8(const std::u32string& text) {
    std::string bytes;
    for (char32_t c : text) AppendUtf8(bytes, c);
    return bytes;
}

std::vector<std::string> ShippedModules() {
    std::vector<std::string> modules;
    for (const auto& entry : std::filesystem::directory_iterator(TUNNEX_PROGRAM_DIR))
        if (entry.path().extension() == ".tnd") modules.push_back(entry.path().stem().string());
    std::sort(modules.begin(), modules.end());
    return modules;
}

class StationNames : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        shipped_ = LoadShippedCity(GetParam());
        ASSERT_TRUE(shipped_->error.empty()) << shipped_->error;
        const TCity& city = shipped_->City();
        for (int n = 1; n <= city.NumOfStations; ++n) {
            const auto s = static_cast<std::uint8_t>(n);
            names_[s] = Read(Cp1251ToUtf8(DisplayName(StoredName(city.Station(s)))));
        }
    }
    const TCity& City() { return shipped_->City(); }
    std::vector<TNameCandidate> Typed(const std::u32string& text) {
        return MatchStations(City(), *Utf8ToCp1251(Utf8(text)));
    }
    // The stations shown under the same name as n.
    std::set<std::uint8_t> SameName(std::uint8_t n) {
        std::set<std::uint8_t> same;
        for (const auto& [m, name] : names_)
            if (name.Joined == names_[n].Joined) same.insert(m);
        return same;
    }
    // What a reader expects of a typed text: the whole name, its beginning, or
    // the beginning from one of its later words on.
    TNameMatch Expected(const std::u32string& typed, std::uint8_t n) {
        const TReadName& name = names_[n];
        if (name.Joined == typed) return TNameMatch::Exact;
        if (name.Joined.starts_with(typed)) return TNameMatch::NamePrefix;
        std::u32string tail = name.Joined;
        for (std::size_t w = 1; w < name.Words.size(); ++w) {
            tail = tail.substr(name.Words[w - 1].size() + 1);
            if (tail.starts_with(typed)) return TNameMatch::WordPrefix;
        }
        return TNameMatch::None;
    }

    std::unique_ptr<ShippedCity> shipped_;
    std::map<std::uint8_t, TReadName> names_;
};

TEST_P(StationNames, EveryStationIsFoundByItsNameInLowerCaseWithEForYo) {
    for (const auto& [n, name] : names_) {
        const std::vector<TNameCandidate> found = Typed(name.Lower);
        ASSERT_FALSE(found.empty()) << Utf8(name.Lower);
        std::set<std::uint8_t> exact;
        for (const TNameCandidate& c : found)
            if (c.Match == TNameMatch::Exact) exact.insert(c.Station);
        EXPECT_EQ(found.front().Match, TNameMatch::Exact) << Utf8(name.Lower);
        EXPECT_EQ(exact, SameName(n)) << Utf8(name.Lower) << ": exactly the stations of that name";
    }
}

TEST_P(StationNames, AWordOnlyOneNameHasFindsThatName) {
    int unique = 0;
    for (const auto& [n, name] : names_)
        for (const std::u32string& word : name.Words) {
            const bool shared = std::any_of(names_.begin(), names_.end(), [&](const auto& other) {
                return other.second.Joined != name.Joined &&
                       std::any_of(other.second.Words.begin(), other.second.Words.end(),
                                   [&](const std::u32string& w) { return w.starts_with(word); });
            });
            if (shared) continue;
            ++unique;
            std::set<std::uint8_t> found;
            for (const TNameCandidate& c : Typed(word)) found.insert(c.Station);
            EXPECT_EQ(found, SameName(n)) << Utf8(word) << " of " << Utf8(name.Joined);
        }
    EXPECT_GT(unique, static_cast<int>(names_.size()) / 2) << "most stations have a word of their own";
}

TEST_P(StationNames, CandidatesOfEveryBeginningComeInTheirOrder) {
    std::set<std::u32string> typed;
    for (const auto& [n, name] : names_)
        for (const std::u32string& word : name.Words)
            for (std::size_t length = 1; length <= std::min<std::size_t>(word.size(), 3); ++length)
                typed.insert(word.substr(0, length));
    for (const std::u32string& text : typed) {
        std::vector<std::pair<TNameMatch, std::uint8_t>> expected;
        for (const auto& [n, name] : names_)
            if (const TNameMatch m = Expected(text, n); m != TNameMatch::None) expected.push_back({m, n});
        std::sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
            if (a.first != b.first) return a.first > b.first;
            if (names_[a.second].Joined != names_[b.second].Joined)
                return names_[a.second].Joined < names_[b.second].Joined;
            return a.second < b.second;
        });
        std::vector<std::pair<TNameMatch, std::uint8_t>> found;
        for (const TNameCandidate& c : Typed(text)) found.push_back({c.Match, c.Station});
        EXPECT_EQ(found, expected) << Utf8(text);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryShippedCity, StationNames, ::testing::ValuesIn(ShippedModules()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace tnx::shipped
