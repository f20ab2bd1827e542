#include "tests/engine/test_city.h"

#include <cstring>

namespace tnx::test {

TCity MakeCity(int cityCode, const std::vector<StationRow>& stations, const std::vector<TransferRow>& transfers,
               std::initializer_list<int> dayWaits, std::initializer_list<int> eveningWaits) {
    TCity city;
    city.CityCode = static_cast<std::uint8_t>(cityCode);
    city.IsNTime = 1;
    int lines = 0;
    for (const StationRow& r : stations) {
        TStation& s = city.Station(static_cast<std::uint8_t>(r.number));
        s.NameLength = static_cast<std::uint8_t>(std::strlen(r.name));
        std::memcpy(s.Name, r.name, s.NameLength);
        s.Line = static_cast<std::uint8_t>(r.line);
        s.X = static_cast<std::uint16_t>(r.x);
        s.Y = static_cast<std::uint16_t>(r.y);
        s.Next = static_cast<std::uint8_t>(r.next);
        s.Prev = static_cast<std::uint8_t>(r.prev);
        s.MinutesToNext = static_cast<std::uint8_t>(r.toNext);
        s.MinutesToPrev = static_cast<std::uint8_t>(r.toPrev);
        s.InOperation = static_cast<std::uint8_t>(r.open);
        if (r.number > city.NumOfStations) city.NumOfStations = static_cast<std::uint8_t>(r.number);
        if (r.line > lines) lines = r.line;
    }
    city.NumOfLines = static_cast<std::uint8_t>(lines);
    const auto add = [&](int from, int to, int minutes) {
        const auto a = city.Station(static_cast<std::uint8_t>(from)).Line;
        const auto b = city.Station(static_cast<std::uint8_t>(to)).Line;
        for (int k = 1; k <= 2; ++k) {
            TTransferOption& o = city.Transfer(a, b, k);
            if (o.Minutes != 0) continue;
            o = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to), static_cast<std::uint8_t>(minutes)};
            return;
        }
    };
    for (const TransferRow& t : transfers) {
        add(t.from, t.to, t.minutes);
        add(t.to, t.from, t.minutes);
    }
    int i = 0;
    for (int w : dayWaits) city.DayWait[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(w);
    i = 0;
    for (int w : eveningWaits) city.EveningWait[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(w);
    city.EffectiveWait = city.DayWait;
    return city;
}

TCity ReferenceCity() {
    // Names are not needed by the search; numbers keep the rows readable.
    const std::vector<StationRow> rows = {
        {1, "s1", 3, 223, 119, 2, 0, 2, 0, 0},     {2, "s2", 3, 225, 143, 3, 1, 2, 2, 0},
        {3, "s3", 3, 227, 165, 4, 2, 2, 2, 0},     {4, "s4", 3, 230, 188, 5, 3, 2, 2, 0},
        {5, "s5", 3, 233, 213, 6, 4, 2, 2, 1},     {6, "s6", 3, 237, 248, 7, 5, 1, 2, 1},
        {7, "s7", 3, 242, 299, 8, 6, 3, 1, 1},     {8, "s8", 3, 246, 338, 9, 7, 2, 3, 1},
        {9, "s9", 3, 250, 376, 10, 8, 2, 2, 1},    {10, "s10", 3, 255, 423, 11, 9, 2, 2, 0},
        {11, "s11", 3, 259, 458, 0, 10, 0, 2, 0},  {12, "s12", 1, 73, 274, 13, 0, 3, 0, 1},
        {13, "s13", 1, 105, 291, 14, 12, 2, 3, 1}, {14, "s14", 1, 133, 305, 15, 13, 1, 1, 1},
        {15, "s15", 1, 160, 319, 16, 14, 2, 1, 1}, {16, "s16", 1, 211, 346, 17, 15, 2, 2, 1},
        {17, "s17", 1, 238, 360, 18, 16, 2, 2, 1}, {18, "s18", 1, 268, 376, 19, 17, 2, 2, 1},
        {19, "s19", 1, 293, 389, 20, 18, 2, 2, 1}, {20, "s20", 1, 318, 402, 21, 19, 3, 2, 1},
        {21, "s21", 1, 342, 414, 22, 20, 2, 3, 1}, {22, "s22", 1, 368, 428, 23, 21, 2, 2, 1},
        {23, "s23", 1, 396, 442, 24, 22, 2, 2, 1}, {24, "s24", 1, 424, 457, 25, 23, 2, 2, 1},
        {25, "s25", 1, 445, 468, 26, 24, 2, 2, 0}, {26, "s26", 1, 465, 479, 27, 25, 2, 2, 0},
        {27, "s27", 1, 486, 490, 0, 26, 0, 2, 0},  {28, "s28", 2, 372, 126, 29, 0, 2, 0, 0},
        {29, "s29", 2, 356, 142, 30, 28, 2, 2, 1}, {30, "s30", 2, 339, 159, 31, 29, 2, 2, 1},
        {31, "s31", 2, 323, 175, 32, 30, 2, 2, 1}, {32, "s32", 2, 307, 192, 33, 31, 3, 2, 1},
        {33, "s33", 2, 291, 208, 34, 32, 2, 3, 1}, {34, "s34", 2, 274, 224, 35, 33, 2, 2, 1},
        {35, "s35", 2, 231, 268, 36, 34, 2, 2, 1}, {36, "s36", 2, 180, 319, 37, 35, 2, 2, 1},
        {37, "s37", 2, 138, 361, 38, 36, 2, 2, 0}, {38, "s38", 2, 117, 382, 0, 37, 0, 2, 0},
    };
    return MakeCity(4, rows, {{15, 36, 1}, {17, 9, 3}, {35, 6, 2}}, {3, 3, 5}, {5, 8, 10});
}

TCity RingCity(int ringSize) {
    std::vector<StationRow> rows;
    // Line 5 ring: stations 1..ringSize round a circle, Next ascending.
    for (int n = 1; n <= ringSize; ++n) {
        const int next = n == ringSize ? 1 : n + 1;
        const int prev = n == 1 ? ringSize : n - 1;
        rows.push_back({n, "r", 5, 100 + 10 * n, 100 + 10 * n, next, prev, 2, 2, 1});
    }
    // Line 1 radial through station 1's neighbour area: a, b (crossing), c.
    const int a = ringSize + 1, b = ringSize + 2, c = ringSize + 3;
    rows.push_back({a, "a", 1, 50, 50, b, 0, 3, 0, 1});
    rows.push_back({b, "b", 1, 60, 60, c, a, 3, 3, 1});
    rows.push_back({c, "c", 1, 70, 70, 0, b, 0, 3, 1});
    // Lines 2..4 exist only so that line numbers reach 5.
    rows.push_back({c + 1, "x2", 2, 20, 20, 0, 0, 0, 0, 1});
    rows.push_back({c + 2, "x3", 3, 20, 30, 0, 0, 0, 0, 1});
    rows.push_back({c + 3, "x4", 4, 20, 40, 0, 0, 0, 0, 1});
    return MakeCity(1, rows, {{b, 1, 1}}, {1, 1, 1, 1, 1}, {2, 2, 2, 2, 2});
}

}  // namespace tnx::test
