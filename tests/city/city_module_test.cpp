// The built module of the reference city, opened the way the program opens it.
#include <gtest/gtest.h>

#include <cstring>

#include "city/pack/bitmap_resource.h"
#include "city/pack/city_pack.h"
#include "city/source/city_source.h"
#include "shell/city_module.h"

namespace tnx::city {
namespace {

class KharkivModule : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        module_ = CityModule::Open(TUNNEX_KHARKIV_MODULE, error);
        ASSERT_NE(module_, nullptr) << error;
        const ParseResult parsed = ParseCityFolder(TUNNEX_CITIES_DIR "/kharkiv");
        ASSERT_TRUE(parsed.city.has_value()) << parsed.error;
        PackResult packed = PackCity(*parsed.city);
        ASSERT_TRUE(packed.city.has_value());
        source_ = std::move(*packed.city);
    }

    std::span<const unsigned char> Resource(const char* name, std::uint32_t type) const {
        const auto found = module_->FindResource(name, type);
        return found ? *found : std::span<const unsigned char>();
    }

    std::unique_ptr<CityModule> module_;
    PackedCity source_;
};

TEST_F(KharkivModule, ExportsTheEightConstants) {
    const ModuleConstants& c = source_.constants;
    const std::pair<const char*, int> exports[] = {
        {"FileVersion", c.FileVersion},     {"CityCode", c.CityCode},     {"CityVersion", c.CityVersion},
        {"NumOfStations", c.NumOfStations}, {"NumOfLines", c.NumOfLines}, {"DefFirstStation", c.DefFirstStation},
        {"MaxChanges", c.MaxChanges},       {"IsNTime", c.IsNTime}};
    for (const auto& [name, value] : exports) {
        const auto got = module_->ByteExport(name);
        ASSERT_TRUE(got.has_value()) << name;
        EXPECT_EQ(*got, value) << name;
    }
    EXPECT_FALSE(module_->ByteExport("NumOfTrains").has_value());
}

TEST_F(KharkivModule, DataResourcesAreThePackedTables) {
    const auto same = [&](const char* name, const void* bytes, std::size_t size) {
        const auto found = Resource(name, kResourceTypeRcData);
        ASSERT_EQ(found.size(), size) << name;
        EXPECT_EQ(std::memcmp(found.data(), bytes, size), 0) << name;
    };
    same("STATIONS", &source_.stations, kStationsResourceSize);
    same("CHANGES", &source_.changes, kChangesResourceSize);
    same("DWAITTIME", source_.dayWait.data(), kWaitResourceSize);
    same("NWAITTIME", source_.eveningWait.data(), kWaitResourceSize);
    same("INFO", source_.info.data(), source_.info.size());
    EXPECT_EQ(Resource("INFO", kResourceTypeRcData).back(), 0);
    // Found by name and type: a data table is not a bitmap.
    EXPECT_TRUE(Resource("STATIONS", kResourceTypeBitmap).empty());
}

TEST_F(KharkivModule, CarriesEveryBitmapInItsForm) {
    std::vector<BitmapResource> bitmaps;
    for (const std::string& name : RequiredBitmapNames(source_.constants.NumOfLines)) {
        const auto bytes = Resource(name.c_str(), kResourceTypeBitmap);
        EXPECT_FALSE(bytes.empty()) << name;
        bitmaps.push_back({name, {bytes.begin(), bytes.end()}});
    }
    EXPECT_EQ(CheckBitmapSet(bitmaps, source_.constants.NumOfLines), std::vector<std::string>{});
    EXPECT_TRUE(Resource("L4", kResourceTypeBitmap).empty());
}

}  // namespace
}  // namespace tnx::city
