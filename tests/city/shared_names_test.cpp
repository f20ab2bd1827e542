// A station may leave its name on the scheme to a transfer partner of the same name.
#include <gtest/gtest.h>

#include "city/pack/city_pack.h"
#include "city/source/field_parsers.h"
#include "small_city.h"

namespace tnx::city {
namespace {

using testing::PackErrorsOf;
using testing::SmallCity;
using testing::StationOf;

TEST(SharedNames, DashHidesTheName) {
    EXPECT_FALSE(ParseLabel("-").shown);
    EXPECT_TRUE(ParseLabel("NE,2,-3").shown);
    EXPECT_THROW(ParseLabel("-,1,1"), FieldError);
}

TEST(SharedNames, APartnerOfTheSameNameMustShowIt) {
    // Stations 2 "Узел~1" and 5 "Узел~2" share a transfer and a shown name.
    CitySource city = SmallCity();
    StationOf(city, 5).label.shown = false;
    EXPECT_EQ(PackErrorsOf(city), "");

    // Both hidden: the name is shown nowhere.
    StationOf(city, 2).label.shown = false;
    EXPECT_NE(PackErrorsOf(city).find("small: station 2 \"Узел~1\" (stations.txt:2): Label: "), std::string::npos);

    // A partner of another name cannot stand in.
    city = SmallCity();
    StationOf(city, 5).name = "Развилка";
    StationOf(city, 2).name = "Узел";
    StationOf(city, 5).label.shown = false;
    EXPECT_NE(PackErrorsOf(city).find("station 5 \"Развилка\" (stations.txt:5): Label: "), std::string::npos);

    // Nor can a station of the same name without a transfer.
    city = SmallCity();
    city.transfers.push_back({1, 4, 2, {"transfers.txt", 2}});
    city.transfers.erase(city.transfers.begin());
    StationOf(city, 5).label.shown = false;
    EXPECT_NE(PackErrorsOf(city).find("station 5 \"Узел~2\" (stations.txt:5): Label: "), std::string::npos);
}

}  // namespace
}  // namespace tnx::city
