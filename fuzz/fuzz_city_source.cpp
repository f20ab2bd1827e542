// Arbitrary text as a city's source folder: the parser and the packer must refuse it
// with messages or pack it, never crash. The input is split into the five files at
// the byte 0x1E (record separator); a sixth part, when there is one, is rivers.txt.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "city/pack/city_pack.h"
#include "city/source/city_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tunnex_fuzz_city_" + std::to_string(getpid()));
    static const char* const kFiles[] = {"city.txt", "lines.txt", "stations.txt", "transfers.txt", "info.txt"};
    std::filesystem::create_directories(folder);
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (const char* file : kFiles) {
        std::size_t end = text.find('\x1E', start);
        if (end == std::string::npos) end = text.size();
        std::ofstream(folder / file, std::ios::binary)
            << text.substr(std::min(start, text.size()), end - std::min(start, end));
        start = end + 1;
    }
    if (start < text.size()) {
        std::ofstream(folder / "rivers.txt", std::ios::binary) << text.substr(start);
    } else {
        std::filesystem::remove(folder / "rivers.txt");
    }
    const tnx::city::ParseResult parsed = tnx::city::ParseCityFolder(folder.string());
    if (!parsed.city) {
        if (parsed.error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    const tnx::city::PackResult packed = tnx::city::PackCity(*parsed.city);
    if (!packed.city && packed.errors.empty()) std::abort();
    return 0;
}
