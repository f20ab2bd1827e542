// Route search over every ordered pair of stations of each shipped city.
//
//   tunnex_bench [--benchmark_filter=...]
//
// Each benchmark runs the search command for all ordered pairs; the counters give
// per-query median, 99th percentile and maximum in microseconds, the partial
// routes visited and the routes stored per query.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/route_ranking.h"
#include "engine/route_search.h"
#include "shell/city_loader.h"
#include "shell/module_catalog.h"

namespace {

struct LoadedCity {
    std::string file;
    std::unique_ptr<tnx::TLoadedCity> city;
};

std::vector<LoadedCity>& Cities() {
    static std::vector<LoadedCity> cities = [] {
        std::vector<LoadedCity> out;
        const std::filesystem::path dir = TUNNEX_PROGRAM_DIR;
        for (const auto& entry : tnx::ScanCityModules(dir)) {
            LoadedCity c{entry.FileName, std::make_unique<tnx::TLoadedCity>()};
            std::unique_ptr<tnx::CityModule> module;
            std::string error;
            tnx::TCity previous;
            if (tnx::LoadCityFile(dir / entry.FileName, previous, *c.city, module, error))
                out.push_back(std::move(c));
        }
        return out;
    }();
    return cities;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(index, v.size() - 1)];
}

void AllPairs(benchmark::State& state, std::size_t cityIndex, std::uint8_t changes) {
    auto& loaded = Cities()[cityIndex];
    tnx::TCity city = loaded.city->City;
    city.EffectiveWait = city.DayWait;
    auto list = std::make_unique<tnx::TRouteList>();
    const tnx::TRankSettings ranking{10, true, false};
    std::vector<double> micros;
    std::uint64_t visited = 0, stored = 0, queries = 0;
    for (auto _ : state) {
        micros.clear();
        visited = stored = queries = 0;
        for (int a = 1; a <= city.NumOfStations; ++a) {
            for (int b = 1; b <= city.NumOfStations; ++b) {
                if (a == b) continue;
                const auto t0 = std::chrono::steady_clock::now();
                tnx::TRouteSearch search(city, *list, changes, ranking.TimeDiff);
                search.FindRoutes(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b));
                stored += list->RouteCount;
                if (list->RouteCount > 1) tnx::RankRoutes(*list, ranking);
                const auto t1 = std::chrono::steady_clock::now();
                benchmark::DoNotOptimize(list->RouteCount);
                micros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
                visited += search.Visited();
                ++queries;
            }
        }
    }
    const double q = static_cast<double>(queries);
    state.counters["queries"] = q;
    state.counters["median_us"] = Percentile(micros, 0.5);
    state.counters["p99_us"] = Percentile(micros, 0.99);
    state.counters["max_us"] = Percentile(micros, 1.0);
    state.counters["visited_per_query"] = static_cast<double>(visited) / q;
    state.counters["stored_per_query"] = static_cast<double>(stored) / q;
}

const bool kRegistered = [] {
    for (std::size_t i = 0; i < Cities().size(); ++i) {
        for (std::uint8_t changes : {std::uint8_t{3}, std::uint8_t{5}}) {
            const std::string name = "AllPairs/" + Cities()[i].file + "/changes:" + std::to_string(changes);
            benchmark::RegisterBenchmark(name.c_str(), AllPairs, i, changes)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
