#include <gtest/gtest.h>

#include "model/city_check.h"

namespace tnx {
namespace {

TCity TwoLineCity() {
    TCity city;
    city.NumOfStations = 4;
    city.NumOfLines = 2;
    for (int n = 1; n <= 4; ++n) city.Station(static_cast<std::uint8_t>(n)).Line = n <= 2 ? 1 : 2;
    city.Station(1).Next = 2;
    city.Station(2).Prev = 1;
    city.Transfer(1, 2, 1) = {2, 3, 1};
    city.Transfer(2, 1, 1) = {3, 2, 1};
    return city;
}

TEST(CheckCityTables, AcceptsAConsistentCity) { EXPECT_EQ(CheckCityTables(TwoLineCity()), ""); }

TEST(CheckCityTables, RefusesCountsOutsideTheTables) {
    TCity city = TwoLineCity();
    city.NumOfStations = 0;
    EXPECT_NE(CheckCityTables(city).find("NumOfStations"), std::string::npos);
    city = TwoLineCity();
    city.NumOfStations = 181;
    EXPECT_NE(CheckCityTables(city).find("NumOfStations"), std::string::npos);
    city = TwoLineCity();
    city.NumOfLines = 12;
    EXPECT_NE(CheckCityTables(city).find("NumOfLines"), std::string::npos);
}

TEST(CheckCityTables, RefusesStationFieldsPointingOutside) {
    TCity city = TwoLineCity();
    city.Station(3).Line = 3;
    EXPECT_NE(CheckCityTables(city).find("станция 3: поле Line"), std::string::npos);
    city = TwoLineCity();
    city.Station(4).Next = 5;
    EXPECT_NE(CheckCityTables(city).find("станция 4: поле Next"), std::string::npos);
    city = TwoLineCity();
    city.Station(1).Prev = 200;
    EXPECT_NE(CheckCityTables(city).find("Prev"), std::string::npos);
    city = TwoLineCity();
    city.Station(2).Next = 3;  // station 3 is on line 2
    EXPECT_NE(CheckCityTables(city).find("станция 2: поле Next = 3 ведет на другую линию"), std::string::npos);
    city = TwoLineCity();
    city.Station(2).NameLength = 26;
    EXPECT_NE(CheckCityTables(city).find("NameLength"), std::string::npos);
}

TEST(CheckCityTables, RefusesTransfersPointingOutside) {
    TCity city = TwoLineCity();
    city.Transfer(1, 2, 2) = {2, 9, 1};
    EXPECT_NE(CheckCityTables(city).find("(1, 2) вариант 2: поле ToStation"), std::string::npos);
    city = TwoLineCity();
    city.Transfer(2, 1, 1) = {0, 2, 1};
    EXPECT_NE(CheckCityTables(city).find("FromStation"), std::string::npos);
    city = TwoLineCity();
    city.Transfer(1, 2, 1) = {3, 2, 1};  // stations swapped: neither on its line
    EXPECT_NE(CheckCityTables(city).find("не на линии 1"), std::string::npos);
    city = TwoLineCity();
    city.Transfer(5, 1, 1) = {1, 1, 1};
    EXPECT_NE(CheckCityTables(city).find("линия"), std::string::npos);
    city = TwoLineCity();
    city.Transfer(1, 2, 2) = {9, 9, 0};  // absent options are not checked
    EXPECT_EQ(CheckCityTables(city), "");
}

}  // namespace
}  // namespace tnx
