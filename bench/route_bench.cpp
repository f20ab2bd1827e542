// Route search over every ordered pair of stations of the shipped cities.
//
//   tunnex_bench [--benchmark_filter=REGEX]
//
// AllPairs/<city>/changes:N: the production search and ranking, every city, at 3 and
// 5 transfers (time window 10). Versus/<largest city>/changes:N/timediff:T: the literal
// search and the production search over the same pairs in one run, with the ratio of
// their total times. Counters are per query: median, 99th percentile and maximum in
// microseconds, partial routes visited and routes stored; index_build_us is the
// one-off build of the search data at city load. max_cpu_us is the slowest query by the thread's
// own CPU time, which a preempted query does not inflate as it does the wall time.
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
#include "tests/reference/literal_search.h"

#ifndef _WIN32
#include <time.h>
#endif

namespace {

double ThreadCpuMicros() {
#ifdef _WIN32
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
#else
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
#endif
}

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
            if (tnx::LoadCityFile(dir / entry.FileName, previous, *c.city, module, error)) out.push_back(std::move(c));
        }
        return out;
    }();
    return cities;
}

struct Sweep {
    std::vector<double> micros;
    double maxCpuMicros = 0;
    std::uint64_t visited = 0;
    std::uint64_t stored = 0;
    double totalSeconds = 0;

    double Percentile(double p) const {
        std::vector<double> v = micros;
        std::sort(v.begin(), v.end());
        const auto index = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
        return v[std::min(index, v.size() - 1)];
    }
};

// The city's search data and what a searcher keeps: built once per city, as at a load.
struct Searcher {
    explicit Searcher(const tnx::TCity& city) {
        const auto t0 = std::chrono::steady_clock::now();
        data = std::make_unique<tnx::TSearchData>(city);
        buildMicros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
    }
    std::unique_ptr<tnx::TSearchData> data;
    std::unique_ptr<tnx::TSearchWork> work = std::make_unique<tnx::TSearchWork>();
    std::unique_ptr<tnx::TRouteList> list = std::make_unique<tnx::TRouteList>();
    double buildMicros = 0;
};

template <typename Search>
Sweep RunSweep(const tnx::TCity& city, Searcher& searcher, const tnx::TRankSettings& ranking, Search search) {
    tnx::TRouteList& list = *searcher.list;
    Sweep s;
    for (int a = 1; a <= city.NumOfStations; ++a) {
        for (int b = 1; b <= city.NumOfStations; ++b) {
            if (a == b) continue;
            const double c0 = ThreadCpuMicros();
            const auto t0 = std::chrono::steady_clock::now();
            s.visited += search(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b));
            s.stored += list.RouteCount;
            if (list.RouteCount > 1) tnx::RankRoutes(list, searcher.work->Scratch, ranking);
            benchmark::DoNotOptimize(list.RouteCount);
            const auto t1 = std::chrono::steady_clock::now();
            s.maxCpuMicros = std::max(s.maxCpuMicros, ThreadCpuMicros() - c0);
            s.micros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            s.totalSeconds += std::chrono::duration<double>(t1 - t0).count();
        }
    }
    return s;
}

void Report(benchmark::State& state, const Sweep& s, const std::string& prefix) {
    const double q = static_cast<double>(s.micros.size());
    state.counters[prefix + "median_us"] = s.Percentile(0.5);
    state.counters[prefix + "p99_us"] = s.Percentile(0.99);
    state.counters[prefix + "max_us"] = s.Percentile(1.0);
    state.counters[prefix + "max_cpu_us"] = s.maxCpuMicros;
    state.counters[prefix + "visited"] = static_cast<double>(s.visited) / q;
    state.counters[prefix + "stored"] = static_cast<double>(s.stored) / q;
}

tnx::TCity DayCity(const LoadedCity& loaded) {
    tnx::TCity city = loaded.city->City;
    city.EffectiveWait = city.DayWait;
    return city;
}

void AllPairs(benchmark::State& state, std::size_t cityIndex, std::uint8_t changes) {
    const tnx::TCity city = DayCity(Cities()[cityIndex]);
    Searcher searcher(city);
    state.counters["index_build_us"] = searcher.buildMicros;
    const tnx::TRankSettings ranking{10, true, false};
    Sweep s;
    for (auto _ : state) {
        s = RunSweep(city, searcher, ranking, [&](std::uint8_t a, std::uint8_t b) {
            tnx::TRouteSearch search(*searcher.data, city.EffectiveWait, *searcher.work, *searcher.list, changes,
                                     ranking.TimeDiff);
            search.FindRoutes(a, b);
            return search.Visited();
        });
    }
    state.counters["queries"] = static_cast<double>(s.micros.size());
    Report(state, s, "");
}

void Versus(benchmark::State& state, std::size_t cityIndex, std::uint8_t changes, std::uint8_t timeDiff) {
    const tnx::TCity city = DayCity(Cities()[cityIndex]);
    Searcher searcher(city);
    const tnx::TRankSettings ranking{timeDiff, true, false};
    state.counters["index_build_us"] = searcher.buildMicros;
    Sweep literal, fast;
    for (auto _ : state) {
        literal = RunSweep(city, searcher, ranking, [&](std::uint8_t a, std::uint8_t b) {
            tnx::reference::LiteralSearch search(city, *searcher.list, changes, timeDiff);
            search.FindRoutes(a, b);
            return search.Visited();
        });
        fast = RunSweep(city, searcher, ranking, [&](std::uint8_t a, std::uint8_t b) {
            tnx::TRouteSearch search(*searcher.data, city.EffectiveWait, *searcher.work, *searcher.list, changes,
                                     timeDiff);
            search.FindRoutes(a, b);
            return search.Visited();
        });
    }
    state.counters["queries"] = static_cast<double>(fast.micros.size());
    Report(state, literal, "literal_");
    Report(state, fast, "fast_");
    state.counters["literal_total_s"] = literal.totalSeconds;
    state.counters["fast_total_s"] = fast.totalSeconds;
    state.counters["speedup"] = literal.totalSeconds / fast.totalSeconds;
}

const bool kRegistered = [] {
    std::size_t largest = 0;
    for (std::size_t i = 0; i < Cities().size(); ++i) {
        if (Cities()[i].city->City.NumOfStations > Cities()[largest].city->City.NumOfStations) largest = i;
        for (std::uint8_t changes : {std::uint8_t{3}, std::uint8_t{5}}) {
            const std::string name = "AllPairs/" + Cities()[i].file + "/changes:" + std::to_string(changes);
            benchmark::RegisterBenchmark(name.c_str(), AllPairs, i, changes)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    if (Cities().empty()) return true;
    for (std::uint8_t changes : {std::uint8_t{3}, std::uint8_t{5}}) {
        for (std::uint8_t timeDiff : {std::uint8_t{10}, std::uint8_t{25}}) {
            const std::string name = "Versus/" + Cities()[largest].file + "/changes:" + std::to_string(changes) +
                                     "/timediff:" + std::to_string(timeDiff);
            benchmark::RegisterBenchmark(name.c_str(), Versus, largest, changes, timeDiff)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
