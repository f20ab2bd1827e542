// tunnex_pack: checks a city's source folder and writes its module file.
//
//   tunnex_pack --check CITY_FOLDER
//   tunnex_pack CITY_FOLDER OUTPUT.tnd PICTURE_FOLDER
//
// PICTURE_FOLDER holds the drawing tool's NAME.dib files, one per bitmap resource.
// Nothing is written when the city breaks a rule, so no module is ever built from it.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "city/pack/bitmap_resource.h"
#include "city/pack/city_pack.h"
#include "city/pack/module_writer.h"
#include "city/source/city_source.h"

namespace {

using tnx::city::BitmapResource;

int Usage() {
    std::cerr << "usage: tunnex_pack --check CITY_FOLDER\n"
                 "       tunnex_pack CITY_FOLDER OUTPUT.tnd PICTURE_FOLDER\n";
    return 2;
}

// Every NAME.dib of the folder, in the order the module lists its bitmaps.
std::vector<BitmapResource> ReadPictures(const std::filesystem::path& folder, int lineCount,
                                         std::vector<std::string>& errors) {
    std::vector<BitmapResource> pictures;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".dib") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        if (!in) {
            errors.push_back(entry.path().string() + ": cannot be read");
            continue;
        }
        pictures.push_back(
            {entry.path().stem().string(), {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    if (error) errors.push_back(folder.string() + ": " + error.message());

    const std::vector<std::string> order = tnx::city::RequiredBitmapNames(lineCount);
    const auto rank = [&](const BitmapResource& b) {
        return std::find(order.begin(), order.end(), b.name) - order.begin();
    };
    std::sort(pictures.begin(), pictures.end(),
              [&](const auto& a, const auto& b) { return std::pair(rank(a), a.name) < std::pair(rank(b), b.name); });
    return pictures;
}

// Written beside the target and renamed over it, so a running program never sees half a module.
bool WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())) ||
            !out.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return !error;
}

int Fail(const std::vector<std::string>& errors) {
    for (const std::string& e : errors) std::cerr << e << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool checkOnly = !args.empty() && args[0] == "--check";
    if (args.size() != (checkOnly ? 2u : 3u)) return Usage();
    const std::string folder = args[checkOnly ? 1 : 0];
    std::error_code ignored;
    // A module left from an earlier run must not outlive a failed pack.
    if (!checkOnly) std::filesystem::remove(args[1], ignored);

    const tnx::city::ParseResult parsed = tnx::city::ParseCityFolder(folder);
    if (!parsed.city) return Fail({parsed.error});
    const tnx::city::PackResult packed = tnx::city::PackCity(*parsed.city);
    if (!packed.city) return Fail(packed.errors);
    if (checkOnly) return 0;

    const std::string output = args[1];
    std::vector<std::string> errors;
    const std::vector<BitmapResource> bitmaps = ReadPictures(args[2], packed.city->constants.NumOfLines, errors);
    for (const std::string& e : tnx::city::CheckBitmapSet(bitmaps, packed.city->constants.NumOfLines))
        errors.push_back(folder + ": " + e);
    if (!errors.empty()) return Fail(errors);

    if (!WriteFileReplacing(output, tnx::city::WriteModuleBytes(*packed.city, bitmaps))) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}
