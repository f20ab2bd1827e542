// The reference city packs to the very bytes the program's examples are worked on.
#include <gtest/gtest.h>

#include <cstring>

#include "city/pack/city_pack.h"
#include "city/source/city_source.h"
#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx::city {
namespace {

PackedCity PackKharkiv() {
    const ParseResult parsed = ParseCityFolder(TUNNEX_CITIES_DIR "/kharkiv");
    if (!parsed.city) throw std::runtime_error(parsed.error);
    PackResult packed = PackCity(*parsed.city);
    if (!packed.city) throw std::runtime_error(packed.errors.front());
    return std::move(*packed.city);
}

TEST(Kharkiv, Constants) {
    const PackedCity city = PackKharkiv();
    EXPECT_EQ(city.fileName, "kharkiv");
    const ModuleConstants& c = city.constants;
    EXPECT_EQ(c.FileVersion, 1);
    EXPECT_EQ(c.CityCode, 4);
    EXPECT_EQ(c.CityVersion, 2);
    EXPECT_EQ(c.NumOfStations, 38);
    EXPECT_EQ(c.NumOfLines, 3);
    EXPECT_EQ(c.DefFirstStation, 8);
    EXPECT_EQ(c.MaxChanges, 3);
    EXPECT_EQ(c.IsNTime, 1);
}

TEST(Kharkiv, GospromRecordByteForByte) {
    const PackedCity city = PackKharkiv();
    unsigned char expected[46] = {0x07, 0xc3, 0xee, 0xf1, 0xef, 0xf0, 0xee, 0xec};
    const unsigned char tail[] = {0x03, 0x00, 0xed, 0x00, 0xf8, 0x00, 0x07, 0x05, 0x01, 0x02};
    std::memcpy(expected + 26, tail, sizeof tail);
    expected[44] = 0x01;
    EXPECT_EQ(std::memcmp(&city.stations.Records[5], expected, sizeof expected), 0);
}

TEST(Kharkiv, StationTable) {
    const PackedCity city = PackKharkiv();
    int open = 0;
    int perLine[4] = {};
    for (int n = 1; n <= 38; ++n) {
        const TStation& s = city.stations.Records[n - 1];
        open += s.InOperation;
        ++perLine[s.Line];
        EXPECT_EQ(s.BendToNextX | s.BendToNextY | s.BendToPrevX | s.BendToPrevY, 0) << n;
        EXPECT_EQ(s.Reserved1 | s.Reserved2, 0) << n;
    }
    EXPECT_EQ(open, 26);
    EXPECT_EQ(perLine[1], 16);
    EXPECT_EQ(perLine[2], 11);
    EXPECT_EQ(perLine[3], 11);
    const TStation empty{};
    for (int n = 39; n <= kMaxStations; ++n)
        EXPECT_EQ(std::memcmp(&city.stations.Records[n - 1], &empty, sizeof empty), 0) << n;

    const TStation& last = city.stations.Records[37];
    EXPECT_EQ(Cp1251ToUtf8(StoredName(last)), "Октябрьская");
    EXPECT_EQ(last.Next, 0);
    EXPECT_EQ(last.Prev, 37);
    EXPECT_EQ(last.MinutesToPrev, 2);
}

TEST(Kharkiv, TransferTableHoldsSixOptions) {
    const PackedCity city = PackKharkiv();
    const unsigned char cell12[6] = {0x0f, 0x24, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(city.changes.Cells[0][1], cell12, sizeof cell12), 0);

    struct Option {
        int a, b, from, to, minutes;
    };
    const Option options[] = {{1, 2, 15, 36, 1}, {2, 1, 36, 15, 1}, {1, 3, 17, 9, 3},
                              {3, 1, 9, 17, 3},  {2, 3, 35, 6, 2},  {3, 2, 6, 35, 2}};
    int present = 0;
    for (const auto& cell : city.changes.Cells)
        for (const auto& row : cell)
            for (const TTransferOption& o : row) present += o.Minutes != 0;
    EXPECT_EQ(present, 6);
    for (const Option& o : options) {
        const TTransferOption& got = city.changes.Cells[o.a - 1][o.b - 1][0];
        EXPECT_EQ(got.FromStation, o.from) << o.a << "," << o.b;
        EXPECT_EQ(got.ToStation, o.to) << o.a << "," << o.b;
        EXPECT_EQ(got.Minutes, o.minutes) << o.a << "," << o.b;
    }
}

TEST(Kharkiv, WaitTables) {
    const PackedCity city = PackKharkiv();
    EXPECT_EQ(city.dayWait, (TWaitTable{3, 3, 5}));
    EXPECT_EQ(city.eveningWait, (TWaitTable{5, 8, 10}));
}

}  // namespace
}  // namespace tnx::city
