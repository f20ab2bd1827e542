// The catalog scan over a folder of many modules, as at a start with "NoSplash".
//
//   tunnex_catalog_bench [--benchmark_filter=REGEX]
//
// Scan/1000 lists a folder of 1,000 modules (hard links to the largest shipped one) by
// their headers, as the program does. FullCheck/1000 reads and checks each file whole,
// as opening a city does: the baseline of what a scan that checked everything would cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "shell/city_module.h"
#include "shell/module_catalog.h"

namespace {

namespace fs = std::filesystem;

constexpr int kModules = 1000;

const fs::path& ManyModules() {
    static const fs::path folder = [] {
        fs::path largest;
        for (const auto& entry : fs::directory_iterator(TUNNEX_PROGRAM_DIR))
            if (entry.path().extension() == ".tnd" &&
                (largest.empty() || fs::file_size(entry) > fs::file_size(largest)))
                largest = entry.path();
        const fs::path dir = fs::temp_directory_path() / "tunnex_catalog_bench";
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < kModules; ++i) fs::create_hard_link(largest, dir / ("city" + std::to_string(i) + ".tnd"));
        return dir;
    }();
    return folder;
}

void Scan(benchmark::State& state) {
    std::size_t listed = 0;
    for (auto _ : state) listed = tnx::ScanCityModules(ManyModules()).size();
    state.counters["listed"] = static_cast<double>(listed);
}

void FullCheck(benchmark::State& state) {
    std::size_t opened = 0;
    for (auto _ : state) {
        opened = 0;
        for (const auto& entry : fs::directory_iterator(ManyModules())) {
            std::string error;
            opened += tnx::CityModule::Open(entry.path(), error) != nullptr;
        }
    }
    state.counters["opened"] = static_cast<double>(opened);
}

}  // namespace

BENCHMARK(Scan)->Name("Scan/1000")->Unit(benchmark::kMillisecond);
BENCHMARK(FullCheck)->Name("FullCheck/1000")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
