#include <gtest/gtest.h>

#include <cstring>

#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx {
namespace {

void Name(TCity& city, int n, const std::string& utf8, int line = 1, int open = 1) {
    TStation& s = city.Station(static_cast<std::uint8_t>(n));
    const std::string bytes = *Utf8ToCp1251(utf8);
    std::memset(s.Name, 'x', sizeof s.Name);  // leftovers behind the name are ignored
    std::memcpy(s.Name, bytes.data(), bytes.size());
    s.NameLength = static_cast<std::uint8_t>(bytes.size());
    s.Line = static_cast<std::uint8_t>(line);
    s.InOperation = static_cast<std::uint8_t>(open);
    if (n > city.NumOfStations) city.NumOfStations = static_cast<std::uint8_t>(n);
}

std::string Cp(const std::string& utf8) { return *Utf8ToCp1251(utf8); }

TEST(FindStationByName, ComparesWholeStoredNamesExactly) {
    TCity city;
    Name(city, 1, "Проспект Мира~5", 5);
    Name(city, 2, "Проспект Мира~6", 6);
    Name(city, 3, "Пyшкинская");  // Latin y, as some data stores it
    Name(city, 4, "Технологический инс-т-I", 1, 0);
    Name(city, 5, "Киевская");

    EXPECT_EQ(FindStationByName(city, Cp("Проспект Мира~6")), 2);
    EXPECT_EQ(FindStationByName(city, Cp("Проспект Мира")), 0);
    EXPECT_EQ(FindStationByName(city, Cp("Пушкинская")), 0);
    EXPECT_EQ(FindStationByName(city, Cp("Пyшкинская")), 3);
    EXPECT_EQ(FindStationByName(city, Cp("киевская")), 0);
    EXPECT_EQ(FindStationByName(city, Cp("Технологический инс-т-I")), 4);  // not in operation
    EXPECT_EQ(FindStationByName(city, ""), 0);
}

TEST(FindStationByName, LooksOnlyAtStationsInUse) {
    TCity city;
    Name(city, 1, "Южная");
    Name(city, 2, "Северная");
    city.NumOfStations = 1;
    EXPECT_EQ(FindStationByName(city, Cp("Северная")), 0);
}

TEST(DisplayName, DropsOnlyATwoCharacterSuffix) {
    EXPECT_EQ(DisplayName(Cp("Каширская~0")), Cp("Каширская"));
    EXPECT_EQ(DisplayName(Cp("Площадь Суворова")), Cp("Площадь Суворова"));
    EXPECT_EQ(DisplayName(Cp("Арбатская~")), Cp("Арбатская~"));
    EXPECT_EQ(DisplayName("A"), "A");
    EXPECT_EQ(DisplayName("~1"), "");
}

TEST(LinkMinutes, NextFirstThenPrevElseNotAdjacent) {
    TCity city;
    city.NumOfStations = 3;
    TStation& a = city.Station(2);
    a.Next = 3;
    a.MinutesToNext = 4;
    a.Prev = 1;
    a.MinutesToPrev = 2;
    EXPECT_EQ(LinkMinutes(city, 2, 3), 4);
    EXPECT_EQ(LinkMinutes(city, 2, 1), 2);
    EXPECT_EQ(LinkMinutes(city, 2, 2), 255);
    EXPECT_EQ(LinkMinutes(city, 2, 0), 255);

    TStation& end = city.Station(3);
    end.Prev = 2;
    end.MinutesToPrev = 4;
    EXPECT_EQ(LinkMinutes(city, 3, 0), 0);  // the empty link matches, with its stored minutes
    a.Prev = 3;                             // both links to the same station: Next wins
    EXPECT_EQ(LinkMinutes(city, 2, 3), 4);
}

}  // namespace
}  // namespace tnx
