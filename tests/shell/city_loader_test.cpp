#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/city_loader.h"
#include "tests/engine/test_city.h"

namespace tnx {
namespace {

const std::filesystem::path kFakes = TUNNEX_TEST_MODULE_DIR;
const std::filesystem::path kProgramDir = TUNNEX_PROGRAM_DIR;

struct LoadAttempt {
    bool ok = false;
    std::string error;
    std::unique_ptr<TLoadedCity> loaded = std::make_unique<TLoadedCity>();
};

LoadAttempt Load(const std::filesystem::path& path) {
    LoadAttempt a;
    std::unique_ptr<CityModule> module;
    TCity previous;
    a.ok = LoadCityFile(path, previous, *a.loaded, module, a.error);
    return a;
}

TEST(CityLoader, ReadsExportsResourcesAndInfo) {
    const auto a = Load(kFakes / "good.tnd");
    ASSERT_TRUE(a.ok) << a.error;
    const TCity& c = a.loaded->City;
    EXPECT_EQ(c.CityCode, 4);
    EXPECT_EQ(c.NumOfStations, 3);
    EXPECT_EQ(c.NumOfLines, 2);
    EXPECT_EQ(c.IsNTime, 1);
    EXPECT_EQ(a.loaded->MaxChanges, 5);
    EXPECT_EQ(a.loaded->CityVersion, 9);
    EXPECT_EQ(c.DayWait[1], 3);
    EXPECT_EQ(c.EveningWait[0], 4);
    EXPECT_EQ(c.Transfer(1, 2, 1).ToStation, 3);
    EXPECT_EQ(a.loaded->InfoText, "   Тест.");  // up to the NUL
    EXPECT_EQ(a.loaded->OperatingStations, 3);
}

TEST(CityLoader, RefusesBrokenModulesWithAClearReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"nostations.tnd", "нет ресурса STATIONS"},
        {"shortchanges.tnd", "ресурс CHANGES короче 726"},
        {"toomany.tnd", "NumOfStations = 181"},
        {"badlink.tnd", "станция 1: поле Next = 9"},
        {"badtransfer.tnd", "ToStation = 77"},
        {"code15.tnd", "CityCode = 15"},
        {"missing.tnd", "Ошибка подключения файла данных missing.tnd"},
    };
    for (const auto& [file, reason] : cases) {
        const auto a = Load(kFakes / file);
        EXPECT_FALSE(a.ok) << file;
        EXPECT_NE(a.error.find(reason), std::string::npos) << file << ": " << a.error;
        EXPECT_EQ(a.loaded->City.NumOfStations, 0) << file << " changed the result on failure";
    }
}

TEST(CityLoader, RefusesAFileThatIsNoModule) {
    const auto dir = std::filesystem::temp_directory_path() / "tunnex_loader_test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "text.tnd") << "not a library";
    const auto a = Load(dir / "text.tnd");
    EXPECT_FALSE(a.ok);
    EXPECT_NE(a.error.find("text.tnd"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(CityLoader, RefusesAModuleForAnotherMachine) {
    const auto dir = std::filesystem::temp_directory_path() / "tunnex_loader_arch_test";
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(kFakes / "good.tnd", dir / "arm.tnd", std::filesystem::copy_options::overwrite_existing);
    {
        std::fstream file(dir / "arm.tnd", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(18);  // e_machine of the ELF header
        const char arm[2] = {0x28, 0x00};
        file.write(arm, 2);
    }
    const auto a = Load(dir / "arm.tnd");
    EXPECT_FALSE(a.ok);
    EXPECT_NE(a.error.find("arm.tnd"), std::string::npos) << a.error;
    std::filesystem::remove_all(dir);
}

TEST(CityLoader, ABareNameIsNeverLookedUpElsewhere) {
    const auto dir = std::filesystem::temp_directory_path() / "tunnex_loader_cwd_test";
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);  // good.tnd is not here
    std::string error;
    const auto module = CityModule::Open("good.tnd", error);
    std::filesystem::current_path(previous);
    EXPECT_FALSE(module);
    std::filesystem::remove_all(dir);
}

TEST(CityLoader, MissingExportKeepsThePreviousValue) {
    std::string error;
    auto module = CityModule::Open(kFakes / "nocode.tnd", error);
    ASSERT_TRUE(module) << error;
    TCity previous;
    previous.CityCode = 7;
    auto loaded = std::make_unique<TLoadedCity>();
    ASSERT_TRUE(ReadCityModule(*module, previous, *loaded, error)) << error;
    EXPECT_EQ(loaded->City.CityCode, 7);
}

// The shipped reference city, byte for byte.
class ShippedReferenceCity : public ::testing::Test {
protected:
    void SetUp() override {
        attempt = Load(kProgramDir / "kharkiv.tnd");
        ASSERT_TRUE(attempt.ok) << attempt.error;
    }
    LoadAttempt attempt;
};

TEST_F(ShippedReferenceCity, WorkedExampleBytes) {
    const TCity& c = attempt.loaded->City;
    const unsigned char record6[46] = {
        0x07, 0xc3, 0xee, 0xf1, 0xef, 0xf0, 0xee, 0xec, 0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0,    0,   0, 0,
        0,    0,    0x03, 0x00, 0xed, 0x00, 0xf8, 0x00, 0x07, 0x05, 0x01, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00};
    EXPECT_EQ(std::memcmp(&c.Station(6), record6, 46), 0);
    const unsigned char cell12[6] = {0x0f, 0x24, 0x01, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&c.Changes.Cells[0][1][0], cell12, 6), 0);
}

TEST_F(ShippedReferenceCity, ExportsTablesAndNamesMatchTheReference) {
    const TLoadedCity& l = *attempt.loaded;
    EXPECT_EQ(l.City.CityCode, 4);
    EXPECT_EQ(l.City.NumOfStations, 38);
    EXPECT_EQ(l.City.NumOfLines, 3);
    EXPECT_EQ(l.City.IsNTime, 1);
    EXPECT_EQ(l.DefFirstStation, 8);
    EXPECT_EQ(l.MaxChanges, 3);
    EXPECT_EQ(l.FileVersion, 1);
    EXPECT_EQ(l.CityVersion, 2);
    EXPECT_EQ(l.OperatingStations, 26);

    const TCity expected = test::ReferenceCity();
    for (int n = 1; n <= kMaxStations; ++n) {
        const TStation& a = l.City.Station(static_cast<std::uint8_t>(n));
        const TStation& e = expected.Station(static_cast<std::uint8_t>(n));
        EXPECT_EQ(std::memcmp(&a.Line, &e.Line, sizeof(TStation) - offsetof(TStation, Line)), 0) << "record " << n;
    }
    EXPECT_EQ(std::memcmp(&l.City.Changes, &expected.Changes, sizeof(TTransferTable)), 0);
    EXPECT_EQ(l.City.DayWait, expected.DayWait);
    EXPECT_EQ(l.City.EveningWait, expected.EveningWait);

    const char* names[38] = {"Проспект победы",
                             "Интернациональная",
                             "23-го августа",
                             "Ботанический сад",
                             "Научная",
                             "Госпром",
                             "Архитектора Бекетова",
                             "Площадь восстания",
                             "Метростроителей",
                             "Державинская",
                             "Одесская",
                             "Холодная гора",
                             "Южный вокзал",
                             "Центральный рынок",
                             "Советская",
                             "Проспект Гагарина",
                             "Спортивная",
                             "Завод им. Малышева",
                             "Московский проспект",
                             "Маршала Жукова",
                             "Советской армии",
                             "Индустриальная",
                             "Тракторный завод",
                             "Пролетарская",
                             "Восточная",
                             "Роганская",
                             "Южная",
                             "Дружбы народов",
                             "Героев труда",
                             "Студенческая",
                             "Академика Павлова",
                             "Барабашова",
                             "Киевская",
                             "Пушкинская",
                             "Университет",
                             "Исторический музей",
                             "Площадь урицкого",
                             "Октябрьская"};
    for (int n = 1; n <= 38; ++n) {
        const TStation& s = l.City.Station(static_cast<std::uint8_t>(n));
        EXPECT_EQ(Cp1251ToUtf8(StoredName(s)), names[n - 1]) << n;
        const std::string field(s.Name + s.NameLength, s.Name + kMaxNameLength);
        EXPECT_EQ(field, std::string(field.size(), '\0')) << n;  // zero-padded name field
    }
}

}  // namespace
}  // namespace tnx
