// An arbitrary settings file: every reading must give usable settings (a start
// station that exists in the city) and never crash.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/settings_store.h"

namespace {

const std::filesystem::path& ConfigFile() {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / ("tunnex_fuzz_settings_" + std::to_string(getpid()));
        std::filesystem::create_directories(f / "Orvane");
        setenv("XDG_CONFIG_HOME", f.c_str(), 1);
        return f;
    }();
    static const std::filesystem::path file = folder / "Orvane" / "Tunnex.conf";
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& file = ConfigFile();
    if (size < 2) return 0;
    // The first two bytes choose the city's station count and default station.
    const std::uint8_t stations = static_cast<std::uint8_t>(1 + data[0] % 180);
    const std::uint8_t defFirst = static_cast<std::uint8_t>(1 + data[1] % stations);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 2), static_cast<std::streamsize>(size - 2));
    for (std::uint8_t code = 1; code <= 14; ++code) {
        const tnx::TCitySettings s = tnx::ReadCitySettings(code, stations, defFirst);
        if (s.FstStation < 1 || s.FstStation > stations) std::abort();
    }
    (void)tnx::NoSplashPresent();
    (void)tnx::StoredCityFileName();
    return 0;
}
