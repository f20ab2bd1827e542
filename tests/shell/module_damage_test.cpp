// Every shipped module, cut short or with bytes changed, is refused with a reason:
// by the container's checks, or (with the checksums set right again) by the loader's
// checks of the tables and pictures. Nothing reads outside the file's bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "model/module_file.h"
#include "shell/city_loader.h"
#include "shell/city_module.h"
#include "shell/city_pictures.h"
#include "shell/module_catalog.h"

namespace tnx {
namespace {

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Empty when the bytes are refused with a reason or open fully; otherwise what went wrong.
std::string OpenOrRefuse(std::vector<std::uint8_t> bytes) {
    std::string error;
    const auto module = CityModule::FromBytes(std::move(bytes), "damaged.tnd", error);
    if (!module) return error.empty() ? "refused without a reason" : "";
    auto loaded = std::make_unique<TLoadedCity>();
    if (!ReadCityModule(*module, TCity{}, *loaded, error))
        return error.empty() ? "tables refused without a reason" : "";
    TCityPictures pictures;
    if (!ReadCityPictures(*module, pictures, error)) return error.empty() ? "pictures refused without a reason" : "";
    return "";
}

TEST(ModuleDamage, CutOrChangedModulesAreRefusedWithAReason) {
    const auto catalog = ScanCityModules(TUNNEX_PROGRAM_DIR);
    ASSERT_FALSE(catalog.empty());
    std::mt19937 random(2002);
    for (const TCatalogEntry& entry : catalog) {
        const std::vector<std::uint8_t> file = ReadAll(std::filesystem::path(TUNNEX_PROGRAM_DIR) / entry.FileName);
        const std::size_t indexSize = static_cast<std::size_t>(ModuleIndexSize(file));
        ASSERT_GT(indexSize, 0u) << entry.FileName;

        // Every length through the header and tables, then a spread over the resources.
        for (std::size_t length = 0; length < file.size(); length += length <= indexSize ? 1 : 997) {
            std::string error;
            EXPECT_FALSE(ReadModuleFile(std::span(file).first(length), error))
                << entry.FileName << " cut at " << length;
            EXPECT_FALSE(error.empty()) << entry.FileName << " cut at " << length;
        }
        for (int attempt = 0; attempt < 300; ++attempt) {
            std::vector<std::uint8_t> changed = file;
            const int flips = 1 + attempt % 4;
            for (int i = 0; i < flips; ++i) {
                const std::size_t at = attempt < 150 ? random() % indexSize : random() % changed.size();
                changed[at] ^= static_cast<std::uint8_t>(1 + random() % 255);
            }
            std::string error;
            EXPECT_FALSE(CityModule::FromBytes(changed, "changed.tnd", error)) << entry.FileName << " #" << attempt;
            SetModuleChecksums(changed);
            EXPECT_EQ(OpenOrRefuse(changed), "") << entry.FileName << " #" << attempt;
        }
    }
}

}  // namespace
}  // namespace tnx
