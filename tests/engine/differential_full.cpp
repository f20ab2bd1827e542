// Every ordered pair of every module in a folder (default: the program's folder),
// at transfers 0..5, time windows 1, 10 and 25, day, evening and no waits, each with
// the four ranking switches: the production search against the literal one.
//
//   tunnex_differential_full [FOLDER]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "shell/city_loader.h"
#include "shell/module_catalog.h"
#include "tests/engine/differential.h"

int main(int argc, char** argv) {
    using namespace tnx;
    const std::filesystem::path dir = argc > 1 ? argv[1] : TUNNEX_PROGRAM_DIR;
    const auto started = std::chrono::steady_clock::now();
    test::Differential diff;
    int failures = 0;
    for (const auto& entry : ScanCityModules(dir)) {
        auto loaded = std::make_unique<TLoadedCity>();
        std::unique_ptr<CityModule> module;
        std::string error;
        TCity previous;
        if (!LoadCityFile(dir / entry.FileName, previous, *loaded, module, error)) {
            std::printf("%s: %s\n", entry.FileName.c_str(), error.c_str());
            ++failures;
            continue;
        }
        const TCity& city = loaded->City;
        const auto data = std::make_unique<TSearchData>(city);
        const auto cityStarted = std::chrono::steady_clock::now();
        const std::uint64_t before = diff.Searches();
        for (int a = 1; a <= city.NumOfStations; ++a)
            for (int b = 1; b <= city.NumOfStations; ++b) {
                if (a == b) continue;
                for (int changes = 0; changes <= 5; ++changes)
                    for (int timeDiff : {1, 10, 25})
                        for (test::Wait wait : {test::Wait::Day, test::Wait::Evening, test::Wait::None}) {
                            const test::DiffCase c{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                                   static_cast<std::uint8_t>(changes),
                                                   static_cast<std::uint8_t>(timeDiff), wait};
                            const std::string d = diff.Compare(*data, c);
                            if (!d.empty()) {
                                std::printf("%s: %s: %s\n", entry.FileName.c_str(), test::Describe(c).c_str(),
                                            d.c_str());
                                if (++failures > 20) return 1;
                            }
                        }
            }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - cityStarted).count();
        std::printf("%s: %llu searches compared in %.1f s\n", entry.FileName.c_str(),
                    static_cast<unsigned long long>(diff.Searches() - before), seconds);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%llu searches, %d differences, %.1f s\n", static_cast<unsigned long long>(diff.Searches()), failures,
                seconds);
    return failures == 0 ? 0 : 1;
}
