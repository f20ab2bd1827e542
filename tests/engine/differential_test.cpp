// The production search against the literal one: random cities in full, and a
// fixed sample of pairs of every shipped city (the full grid is tunnex_differential_full).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "shell/city_loader.h"
#include "shell/module_catalog.h"
#include "tests/engine/differential.h"
#include "tests/engine/random_city.h"
#include "tests/engine/test_city.h"

namespace tnx::test {
namespace {

void CompareGrid(Differential& diff, const TCity& city, int pairStride, int pairOffset) {
    const auto data = std::make_unique<TSearchData>(city);
    const int n = city.NumOfStations;
    int index = 0;
    for (int a = 1; a <= n; ++a) {
        for (int b = 1; b <= n; ++b) {
            if (a == b || (index++ + pairOffset) % pairStride != 0) continue;
            for (int changes = 0; changes <= 5; ++changes)
                for (int timeDiff : {1, 10, 25})
                    for (Wait wait : {Wait::Day, Wait::Evening, Wait::None}) {
                        const DiffCase c{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                         static_cast<std::uint8_t>(changes), static_cast<std::uint8_t>(timeDiff), wait};
                        const std::string d = diff.Compare(*data, c);
                        ASSERT_EQ(d, "") << Describe(c);
                    }
        }
    }
}

TEST(Differential, HandMadeCities) {
    Differential diff;
    CompareGrid(diff, ReferenceCity(), 1, 0);
    CompareGrid(diff, RingCity(8), 1, 0);
}

TEST(Differential, RandomCities) {
    Differential diff;
    for (std::uint32_t seed = 1; seed <= 120; ++seed) {
        const TCity city = RandomCity(seed, seed % 3 == 0 ? 1 : 4);
        SCOPED_TRACE("seed " + std::to_string(seed));
        CompareGrid(diff, city, 7, static_cast<int>(seed));
        if (HasFatalFailure()) return;
    }
}

// A list that fills up ends the search early; what was stored must not change.
TEST(Differential, RandomCitiesWithSmallLists) {
    Differential diff;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const TCity city = RandomCity(seed, seed % 3 == 0 ? 1 : 4);
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto data = std::make_unique<TSearchData>(city);
        const int n = city.NumOfStations;
        for (int a = 1; a <= n; a += 3)
            for (int b = n; b >= 1; b -= 2)
                for (int capacity : {0, 1, 2, 5, 13})
                    for (int timeDiff : {10, 255}) {
                        DiffCase c{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), 5,
                                   static_cast<std::uint8_t>(timeDiff), Wait::None};
                        c.capacity = capacity;
                        ASSERT_EQ(diff.Compare(*data, c), "") << Describe(c);
                    }
    }
}

TEST(Differential, ShippedCitiesSample) {
    const std::filesystem::path dir = TUNNEX_PROGRAM_DIR;
    const auto catalog = ScanCityModules(dir);
    ASSERT_FALSE(catalog.empty());
    Differential diff;
    for (const auto& entry : catalog) {
        auto loaded = std::make_unique<TLoadedCity>();
        std::unique_ptr<CityModule> module;
        std::string error;
        TCity previous;
        ASSERT_TRUE(LoadCityFile(dir / entry.FileName, previous, *loaded, module, error)) << error;
        SCOPED_TRACE(entry.FileName);
        // Ordered pairs spread over the whole table: about 150 for a small city, fewer
        // for a large one, where each literal search costs far more.
        const int n = loaded->City.NumOfStations;
        const int pairs = std::clamp(6000 / n, 40, 150);
        CompareGrid(diff, loaded->City, std::max(1, n * (n - 1) / pairs), 0);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace tnx::test
