#include <gtest/gtest.h>

#include <cstring>

#include "city/pack/city_pack.h"
#include "model/cp1251.h"
#include "small_city.h"

namespace tnx::city {
namespace {

using testing::PackErrorsOf;
using testing::SmallCity;
using testing::StationOf;

// Expects packing to fail with a message that contains every given piece.
void ExpectRefused(const CitySource& city, std::initializer_list<const char*> pieces) {
    const std::string errors = PackErrorsOf(city);
    ASSERT_FALSE(errors.empty()) << "packed although it should not";
    for (const char* piece : pieces) EXPECT_NE(errors.find(piece), std::string::npos) << errors;
}

TEST(PackCity, LaysOutStationsAndConstants) {
    const PackResult result = PackCity(SmallCity());
    ASSERT_TRUE(result.city.has_value()) << result.errors.front();
    const PackedCity& city = *result.city;
    EXPECT_EQ(city.fileName, "small");
    EXPECT_EQ(city.constants.NumOfStations, 6);
    EXPECT_EQ(city.constants.NumOfLines, 2);
    EXPECT_EQ(city.constants.CityCode, 5);
    EXPECT_EQ(city.constants.CityVersion, 7);
    EXPECT_EQ(city.constants.MaxChanges, 3);
    EXPECT_EQ(city.constants.IsNTime, 1);

    const TStation& fifth = city.stations.Records[4];
    EXPECT_EQ(std::string(fifth.Name, fifth.NameLength), *Utf8ToCp1251("Узел~2"));
    EXPECT_EQ(fifth.Line, 2);
    EXPECT_EQ(fifth.X, 60);
    EXPECT_EQ(fifth.Next, 6);
    EXPECT_EQ(fifth.Prev, 4);
    EXPECT_EQ(fifth.MinutesToNext, 2);
    EXPECT_EQ(fifth.MinutesToPrev, 3);
    EXPECT_EQ(city.stations.Records[2].InOperation, 0);

    const TStation empty{};
    for (int n = 7; n <= kMaxStations; ++n)
        EXPECT_EQ(std::memcmp(&city.stations.Records[n - 1], &empty, sizeof empty), 0) << n;

    EXPECT_EQ(city.dayWait[0], 3);
    EXPECT_EQ(city.dayWait[1], 4);
    EXPECT_EQ(city.dayWait[2], 0);
    EXPECT_EQ(city.eveningWait[1], 6);
}

TEST(PackCity, StoresBendsAtBothEnds) {
    CitySource city = SmallCity();
    StationOf(city, 1).bendToNext = Point{30, 25};
    StationOf(city, 2).bendToPrev = Point{30, 25};
    const PackResult result = PackCity(city);
    ASSERT_TRUE(result.city.has_value()) << result.errors.front();
    EXPECT_EQ(result.city->stations.Records[0].BendToNextX, 30);
    EXPECT_EQ(result.city->stations.Records[0].BendToNextY, 25);
    EXPECT_EQ(result.city->stations.Records[1].BendToPrevX, 30);
    EXPECT_EQ(result.city->stations.Records[1].BendToPrevY, 25);
}

TEST(PackCity, MirrorsEachTransferIntoBothCells) {
    CitySource city = SmallCity();
    city.transfers.push_back({1, 4, 5, {"transfers.txt", 2}});
    const PackResult result = PackCity(city);
    ASSERT_TRUE(result.city.has_value()) << result.errors.front();
    const auto& cells = result.city->changes.Cells;
    const auto same = [](const TTransferOption& o, int from, int to, int minutes) {
        return o.FromStation == from && o.ToStation == to && o.Minutes == minutes;
    };
    EXPECT_TRUE(same(cells[0][1][0], 2, 5, 3));
    EXPECT_TRUE(same(cells[0][1][1], 1, 4, 5));
    EXPECT_TRUE(same(cells[1][0][0], 5, 2, 3));
    EXPECT_TRUE(same(cells[1][0][1], 4, 1, 5));
    EXPECT_TRUE(same(cells[0][0][0], 0, 0, 0));
    EXPECT_TRUE(same(cells[1][1][0], 0, 0, 0));
}

TEST(PackCity, FormatsAcknowledgements) {
    CitySource city = SmallCity();
    city.info = {"Иван Петров", "Пётр Иванов", "Сидоров И.И."};
    const PackResult result = PackCity(city);
    ASSERT_TRUE(result.city.has_value()) << result.errors.front();
    const std::string expected = *Utf8ToCp1251("   Иван Петров,\r\n   Пётр Иванов,\r\n   Сидоров И.И.");
    EXPECT_EQ(result.city->info, expected + '\0');
}

TEST(PackCity, RefusesBrokenNumbering) {
    CitySource gap = SmallCity();
    StationOf(gap, 6).number = 7;
    ExpectRefused(gap, {"small: station 7", "No", "6 is missing"});

    CitySource twice = SmallCity();
    StationOf(twice, 6).number = 5;
    ExpectRefused(twice, {"station 5", "already given at stations.txt:5"});

    CitySource lines = SmallCity();
    lines.lines[1].number = 3;
    ExpectRefused(lines, {"line 3", "2 is missing"});
}

TEST(PackCity, RefusesBadNames) {
    CitySource tooLong = SmallCity();
    StationOf(tooLong, 1).name = std::string(26, 'A');
    ExpectRefused(tooLong, {"station 1", "Name", "26 characters"});

    CitySource foreign = SmallCity();
    StationOf(foreign, 1).name = "東京";
    ExpectRefused(foreign, {"station 1", "Name", "Windows-1251"});

    CitySource twice = SmallCity();
    StationOf(twice, 4).name = "Юг";
    ExpectRefused(twice, {"station 6 \"Юг\"", "already used by station 4"});

    CitySource unsuffixed = SmallCity();
    StationOf(unsuffixed, 2).name = "Узел";
    ExpectRefused(unsuffixed, {"station 5", "shows as \"Узел\" like station 2"});

    CitySource misplaced = SmallCity();
    StationOf(misplaced, 1).name = "А~бв";
    ExpectRefused(misplaced, {"station 1", "second to last"});
}

TEST(PackCity, RefusesPositionsOffTheScheme) {
    CitySource city = SmallCity();
    StationOf(city, 1).x = 10;
    StationOf(city, 2).y = 575;
    ExpectRefused(city, {"station 1 \"Начало\" (stations.txt:1): X: 10", "station 2", "Y: 575"});
}

TEST(PackCity, RefusesLinksThatDoNotAgree) {
    CitySource oneWay = SmallCity();
    StationOf(oneWay, 2).prev = 0;
    StationOf(oneWay, 2).minutesToPrev = 0;
    ExpectRefused(oneWay, {"station 1", "Next: station 2 has Prev 0, not 1"});

    CitySource crossLine = SmallCity();
    StationOf(crossLine, 3).next = 4;
    StationOf(crossLine, 3).minutesToNext = 1;
    ExpectRefused(crossLine, {"station 3", "Next: station 4 is on line 2, not on line 1"});

    CitySource missing = SmallCity();
    StationOf(missing, 3).next = 9;
    StationOf(missing, 3).minutesToNext = 1;
    ExpectRefused(missing, {"station 3", "station 9 does not exist"});

    CitySource self = SmallCity();
    StationOf(self, 3).next = 3;
    StationOf(self, 3).minutesToNext = 1;
    ExpectRefused(self, {"station 3", "itself"});
}

TEST(PackCity, RefusesMinutesThatDoNotMatchLinks) {
    CitySource zero = SmallCity();
    StationOf(zero, 1).minutesToNext = 0;
    ExpectRefused(zero, {"station 1", "ToNext", "at least 1 minute"});

    CitySource dangling = SmallCity();
    StationOf(dangling, 3).minutesToNext = 4;
    ExpectRefused(dangling, {"station 3", "ToNext", "must be 0 at the end of the line"});
}

TEST(PackCity, RefusesBendsThatDoNotAgree) {
    CitySource oneEnd = SmallCity();
    StationOf(oneEnd, 1).bendToNext = Point{30, 25};
    ExpectRefused(oneEnd, {"station 1", "BendNext: 30,25 differs from BendPrev - of station 2"});

    CitySource zeroX = SmallCity();
    StationOf(zeroX, 1).bendToNext = Point{0, 25};
    StationOf(zeroX, 2).bendToPrev = Point{0, 25};
    ExpectRefused(zeroX, {"station 1", "BendNext", "X 0"});

    CitySource atEnd = SmallCity();
    StationOf(atEnd, 3).bendToNext = Point{70, 25};
    ExpectRefused(atEnd, {"station 3", "BendNext", "end of the line"});
}

TEST(PackCity, RefusesLinesThatAreNotOneChain) {
    // Line 1 cut in two: 1 - 2 and a lone 3.
    CitySource cut = SmallCity();
    StationOf(cut, 2).next = 0;
    StationOf(cut, 2).minutesToNext = 0;
    StationOf(cut, 3).prev = 0;
    StationOf(cut, 3).minutesToPrev = 0;
    ExpectRefused(cut, {"line 1", "breaks into 2 pieces", "stations 1, 3"});

    // A second ring on line 2, 7 - 8 - 9, that the ring 4 - 5 - 6 never reaches.
    CitySource twoRings = SmallCity();
    for (int n = 7; n <= 9; ++n) {
        StationSource s = StationOf(twoRings, n - 3);
        s.number = n;
        s.name = "Кольцо " + std::to_string(n);
        s.next = n == 9 ? 7 : n + 1;
        s.prev = n == 7 ? 9 : n - 1;
        twoRings.stations.push_back(s);
    }
    ExpectRefused(twoRings, {"line 2", "is a ring from station 4 through 3 stations, but has 6"});
}

TEST(PackCity, RefusesLineWithoutStations) {
    CitySource city = SmallCity();
    city.lines.push_back({3, {0, 255, 0}, 1, 1, "Пустая", {"lines.txt", 3}});
    ExpectRefused(city, {"line 3", "has no station"});
}

TEST(PackCity, RefusesBadTransfers) {
    CitySource sameLine = SmallCity();
    sameLine.transfers.push_back({1, 2, 2, {"transfers.txt", 2}});
    ExpectRefused(sameLine, {"cell (1, 1) (transfers.txt:2)", "both on line 1"});

    CitySource closed = SmallCity();
    closed.transfers.push_back({3, 6, 2, {"transfers.txt", 2}});
    ExpectRefused(closed, {"transfers.txt:2", "From", "not in operation"});

    CitySource twice = SmallCity();
    twice.transfers.push_back({5, 2, 3, {"transfers.txt", 2}});
    ExpectRefused(twice, {"cell (2, 1)", "given twice"});

    CitySource third = SmallCity();
    third.transfers.push_back({1, 4, 2, {"transfers.txt", 2}});
    third.transfers.push_back({1, 6, 2, {"transfers.txt", 3}});
    ExpectRefused(third, {"cell (1, 2) (transfers.txt:3)", "two options"});

    CitySource instant = SmallCity();
    instant.transfers.front().minutes = 0;
    ExpectRefused(instant, {"Minutes", "at least 1 minute"});
}

TEST(PackCity, RefusesBadConstants) {
    CitySource code = SmallCity();
    code.cityCode = 15;
    ExpectRefused(code, {"small: city.txt: CityCode: 15"});

    CitySource closedStart = SmallCity();
    closedStart.defFirstStation = 3;
    ExpectRefused(closedStart, {"DefFirstStation", "not in operation"});

    CitySource noStart = SmallCity();
    noStart.defFirstStation = 9;
    ExpectRefused(noStart, {"DefFirstStation", "does not exist"});

    CitySource evening = SmallCity();
    evening.isNTime = 2;
    ExpectRefused(evening, {"IsNTime"});

    CitySource name = SmallCity();
    name.fileName = "../small";
    ExpectRefused(name, {"file"});

    CitySource thanks = SmallCity();
    thanks.info.clear();
    ExpectRefused(thanks, {"info.txt", "at least one"});
}

// Sources built in code skip the parser's ranges; the packer still never
// writes past its tables.
TEST(PackCity, RefusesWhatTheTablesCannotHold) {
    CitySource noLine = SmallCity();
    StationOf(noLine, 2).line = 0;
    ExpectRefused(noLine, {"station 2", "Line", "line 0"});

    CitySource manyStations = SmallCity();
    while (manyStations.stations.size() <= static_cast<std::size_t>(kMaxStations))
        manyStations.stations.push_back(manyStations.stations.back());
    ExpectRefused(manyStations, {"at most 180 stations"});

    CitySource manyLines = SmallCity();
    for (int n = 3; n <= kMaxLines + 1; ++n) manyLines.lines.push_back({n, {}, 1, 1, "Линия", {}});
    ExpectRefused(manyLines, {"at most 11 lines"});
}

TEST(PackCity, ReportsEveryProblemAtOnce) {
    CitySource city = SmallCity();
    StationOf(city, 1).x = 5;
    StationOf(city, 4).name = std::string(30, 'B');
    city.cityCode = 0;
    EXPECT_EQ(PackCity(city).errors.size(), 3u) << PackErrorsOf(city);
}

}  // namespace
}  // namespace tnx::city
