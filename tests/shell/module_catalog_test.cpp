#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/module_catalog.h"

namespace tnx {
namespace {

const std::filesystem::path kFakes = TUNNEX_TEST_MODULE_DIR;

class CatalogTest : public ::testing::Test {
protected:
    std::filesystem::path dir;
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tunnex_catalog_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Put(const char* fake, const char* as) { std::filesystem::copy_file(kFakes / fake, dir / as); }
};

TEST_F(CatalogTest, ListsLoadableModulesSortedAndSkipsTheRest) {
    Put("good.tnd", "b.tnd");
    Put("good.tnd", "a.tnd");
    Put("code15.tnd", "c.tnd");
    Put("nocode.tnd", "d.tnd");
    std::ofstream(dir / "e.tnd") << "junk";
    std::ofstream(dir / "f.txt") << "junk";
    const auto catalog = ScanCityModules(dir);
    ASSERT_EQ(catalog.size(), 2u);
    EXPECT_EQ(catalog[0].FileName, "a.tnd");
    EXPECT_EQ(catalog[1].FileName, "b.tnd");
    EXPECT_EQ(catalog[0].CityName, "Ха\x70ьков");
    EXPECT_EQ(catalog[0].VersionText, "1.9");
}

TEST_F(CatalogTest, DefaultIsTheOnlyModuleElseMoscowElseTheFirst) {
    EXPECT_EQ(DefaultCityFile(ScanCityModules(dir)), "");
    Put("good.tnd", "m.tnd");
    EXPECT_EQ(DefaultCityFile(ScanCityModules(dir)), "m.tnd");
    Put("good.tnd", "k.tnd");
    EXPECT_EQ(DefaultCityFile(ScanCityModules(dir)), "k.tnd");
    Put("moscow.tnd", "z.tnd");
    EXPECT_EQ(DefaultCityFile(ScanCityModules(dir)), "z.tnd");
}

TEST(VersionText, JoinsWhatTheModuleExports) {
    EXPECT_EQ(VersionText(1, 6), "1.6");
    EXPECT_EQ(VersionText(std::nullopt, 6), ".6");
    EXPECT_EQ(VersionText(1, std::nullopt), "1");
    EXPECT_EQ(VersionText(std::nullopt, std::nullopt), "");
}

TEST(CityInfoText, LinesUpTheValues) {
    const std::string text = CityInfoText({"Ха\x70ьков", 3, 38, 26, "kharkiv.tnd", "1.2"});
    EXPECT_EQ(text,
              "Информация\r\n\r\n\r\nГород       : Ха\x70ьков\r\n\r\nЛиний       : 3\r\n\r\n"
              "Станций\r\nна схеме    : 38\r\nдействующих : 26\r\n\r\n"
              "Файл        : kharkiv.tnd\r\nВерсия      : 1.2\r\n");
}

}  // namespace
}  // namespace tnx
