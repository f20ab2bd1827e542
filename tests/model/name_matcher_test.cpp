#include <gtest/gtest.h>

#include <cstring>

#include "model/cp1251.h"
#include "model/name_matcher.h"

namespace tnx {
namespace {

std::string Cp(const std::string& utf8) { return *Utf8ToCp1251(utf8); }

void Name(TCity& city, int n, const std::string& utf8, int line = 1) {
    TStation& s = city.Station(static_cast<std::uint8_t>(n));
    const std::string bytes = Cp(utf8);
    std::memcpy(s.Name, bytes.data(), bytes.size());
    s.NameLength = static_cast<std::uint8_t>(bytes.size());
    s.Line = static_cast<std::uint8_t>(line);
    if (n > city.NumOfStations) city.NumOfStations = static_cast<std::uint8_t>(n);
}

TEST(NameMatcher, FoldsCaseYoSeparatorsAndQuotes) {
    const struct {
        const char* typed;
        const char* folded;
    } cases[] = {
        {"Тёплый СТАН", "теплый стан"},
        {"  Петровско--Разумовская.", "петровско разумовская "},  // one separator kept at the end
        {"Пл.Александра\u00a0Невского", "пл александра невского"},
        {"Дворец «Украина»", "дворец украина"},
        {"ЁЖ Ї І Є Ґ Ў Ђ ABC", "еж ї і є ґ ў ђ abc"},
        {"Улица 1905 года — юг – север", "улица 1905 года юг север"},
        {"Проспект Мира~5", "проспект мира~5"},
        {" .-", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp1251ToUtf8(FoldName(Cp(c.typed))), c.folded) << c.typed;
}

TEST(NameMatcher, ExactThenNamePrefixThenWordPrefix) {
    using enum TNameMatch;
    const struct {
        const char* typed;
        const char* stored;
        TNameMatch expected;
    } cases[] = {
        {"савеловская", "Савёловская", Exact},
        {"САВЁЛ", "Савёловская", NamePrefix},
        {"ленина", "Библиотека имени Ленина", WordPrefix},
        {"имени лен", "Библиотека имени Ленина", WordPrefix},
        {"ени", "Библиотека имени Ленина", None},  // no match inside a word
        {"разумовская", "Петровско-Разумовская", WordPrefix},
        {"петровско разум", "Петровско-Разумовская", NamePrefix},
        {"арбатская", "Арбатская~3", Exact},
        {"арбатская~3", "Арбатская~3", Exact},
        {"арбатская~4", "Арбатская~3", None},
        {"арб~", "Арбатская~3", None},
        {"сокол ", "Сокол", Exact},  // a trailing separator asks for the whole word
        {"сокол ", "Сокольники", None},
        {"сокол", "Сокольники", NamePrefix},
        {"украина", "Дворец «Украина»", WordPrefix},
        {"пл александра", "Пл. Александра Невского~3", NamePrefix},
        {"технологический ин т", "Технологический ин-т~1", Exact},
        {"", "Сокол", None},
        {" ", "Сокол", None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchName(FoldName(Cp(c.typed)), Cp(c.stored)), c.expected) << c.typed << " / " << c.stored;
}

TEST(NameMatcher, CandidatesComeByMatchThenAlphabetThenNumber) {
    TCity city;
    Name(city, 1, "Улица Сокольники");
    Name(city, 2, "Сокольники");
    Name(city, 3, "Сокол");
    Name(city, 4, "Соколиная гора");
    Name(city, 5, "Арбатская~4", 4);
    Name(city, 6, "Арбатская~3", 3);
    Name(city, 7, "Большая Сокольническая");
    Name(city, 8, "Каховская");
    Name(city, 9, "Савёловская");
    const auto stations = [&](const char* typed) {
        std::vector<int> out;
        for (const TNameCandidate& c : MatchStations(city, Cp(typed))) out.push_back(c.Station);
        return out;
    };
    EXPECT_EQ(stations("СОКОЛ"), (std::vector<int>{3, 4, 2, 7, 1}));
    EXPECT_EQ(MatchStations(city, Cp("сокол")).front().Match, TNameMatch::Exact);
    EXPECT_EQ(stations("арбатская"), (std::vector<int>{5, 6}));
    EXPECT_EQ(stations("арбатская~3"), std::vector<int>{6});
    EXPECT_EQ(stations("  "), std::vector<int>{});
    city.NumOfStations = 8;  // only stations in use
    EXPECT_EQ(stations("сав"), std::vector<int>{});

    // Nothing named: the closest names, by edits to a prefix of the name or of a word.
    city.NumOfStations = 9;
    const auto nearest = [&](const char* typed) {
        std::vector<int> out;
        for (std::uint8_t n : NearestStations(city, Cp(typed), 3)) out.push_back(n);
        return out;
    };
    EXPECT_EQ(nearest("Савлвская"), std::vector<int>{9});
    EXPECT_EQ(nearest("сакол"), (std::vector<int>{7, 3, 4}));  // five are one edit away; three shown
    EXPECT_EQ(nearest("гара"), std::vector<int>{4});
    EXPECT_EQ(nearest("жжжжж"), std::vector<int>{});
    EXPECT_EQ(nearest(""), std::vector<int>{});
}

}  // namespace
}  // namespace tnx
