#include "tests/engine/random_city.h"

#include <algorithm>
#include <random>
#include <vector>

namespace tnx::test {

TCity RandomCity(std::uint32_t seed, int cityCode) {
    std::mt19937 random(seed);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    TCity city;
    city.CityCode = static_cast<std::uint8_t>(cityCode);
    const int lines = pick(cityCode == 1 ? 5 : 2, 7);
    city.NumOfLines = static_cast<std::uint8_t>(lines);
    std::vector<std::vector<int>> members(static_cast<std::size_t>(lines + 1));
    int n = 0;
    for (int line = 1; line <= lines; ++line) {
        const bool ring = cityCode == 1 && line == 5;
        const int length = pick(ring ? 3 : 2, 9);
        // Mostly a straight run, sometimes scattered, so the direction rule can fail.
        const int x0 = pick(20, 500), y0 = pick(20, 500), dx = pick(-30, 30), dy = pick(-30, 30);
        const bool scattered = pick(0, 3) == 0;
        for (int i = 0; i < length; ++i) {
            TStation& s = city.Station(static_cast<std::uint8_t>(++n));
            s.Line = static_cast<std::uint8_t>(line);
            s.X = static_cast<std::uint16_t>(scattered ? pick(11, 580) : std::clamp(x0 + dx * i, 11, 580));
            s.Y = static_cast<std::uint16_t>(scattered ? pick(11, 560) : std::clamp(y0 + dy * i, 11, 560));
            s.InOperation = 1;
            members[static_cast<std::size_t>(line)].push_back(n);
        }
        const auto& m = members[static_cast<std::size_t>(line)];
        for (std::size_t i = 0; i + 1 < m.size() || (ring && i < m.size()); ++i) {
            const int a = m[i], b = m[(i + 1) % m.size()];
            TStation& sa = city.Station(static_cast<std::uint8_t>(a));
            TStation& sb = city.Station(static_cast<std::uint8_t>(b));
            sa.Next = static_cast<std::uint8_t>(b);
            sb.Prev = static_cast<std::uint8_t>(a);
            sa.MinutesToNext = static_cast<std::uint8_t>(pick(1, 5));
            // Usually the same both ways; sometimes not, as real data has.
            sb.MinutesToPrev = pick(0, 4) == 0 ? static_cast<std::uint8_t>(pick(1, 5)) : sa.MinutesToNext;
        }
    }
    city.NumOfStations = static_cast<std::uint8_t>(n);
    const int transfers = pick(lines - 1, lines * 3);
    for (int t = 0; t < transfers; ++t) {
        const int a = pick(1, lines), b = pick(1, lines);
        if (a == b) continue;
        const auto& ma = members[static_cast<std::size_t>(a)];
        const auto& mb = members[static_cast<std::size_t>(b)];
        const int from = ma[static_cast<std::size_t>(pick(0, static_cast<int>(ma.size()) - 1))];
        const int to = mb[static_cast<std::size_t>(pick(0, static_cast<int>(mb.size()) - 1))];
        const auto minutes = static_cast<std::uint8_t>(pick(1, 6));
        for (int k = 1; k <= 2; ++k) {
            TTransferOption& o = city.Transfer(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), k);
            TTransferOption& back = city.Transfer(static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a), k);
            if (o.Minutes != 0 || back.Minutes != 0) continue;
            o = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to), minutes};
            back = {static_cast<std::uint8_t>(to), static_cast<std::uint8_t>(from), minutes};
            break;
        }
    }
    for (int line = 0; line < lines; ++line) {
        city.DayWait[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(pick(0, 5));
        city.EveningWait[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(pick(2, 12));
    }
    return city;
}

}  // namespace tnx::test
