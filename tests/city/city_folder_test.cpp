#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "city/source/city_source.h"

namespace tnx::city {
namespace {

namespace fs = std::filesystem;

// A minimal well-formed city folder whose files a test may replace.
class CityFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tnx_city_folder_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        files_ = {
            {"city.txt", "file = tiny\nCityCode = 5\nCityVersion = 2\nDefFirstStation = 2\n"},
            {"lines.txt", "2 | 0,0,255 | 4 | 6 | Вторая\n1 | #FF0000 | 3 | 5 | Первая\n"},
            {"stations.txt",
             "# No | Name | Line | X | Y | Next | Prev | ToNext | ToPrev | Open | BendNext | BendPrev | Label\n"
             "2 | Вокзал | 1 | 40 | 20 | 0 | 1 | 0 | 2 | 1 | - | 30,20 | N\n"
             "1 | Площадь | 1 | 20 | 20 | 2 | 0 | 2 | 0 | 1 | 30,20 | - | SE,1,-2\n"},
            {"transfers.txt", "1 | 2 | 4\n"},
            {"info.txt", "# who\nИван Петров\n\nПётр Иванов\n"},
        };
    }
    void TearDown() override { fs::remove_all(folder_); }

    ParseResult Parse() {
        for (const auto& [name, text] : files_) std::ofstream(folder_ / name, std::ios::binary) << text;
        return ParseCityFolder(folder_.string());
    }

    // The error of parsing with one file replaced; the file is restored afterwards.
    std::string ErrorOf(const std::string& file, const std::string& text) {
        const std::string good = files_[file];
        files_[file] = text;
        const ParseResult result = Parse();
        files_[file] = good;
        EXPECT_FALSE(result.city.has_value());
        return result.error;
    }

    fs::path folder_;
    std::map<std::string, std::string> files_;
};

TEST_F(CityFolderTest, ReadsEveryFileAndOrdersByNumber) {
    const ParseResult result = Parse();
    ASSERT_TRUE(result.city.has_value()) << result.error;
    const CitySource& city = *result.city;
    EXPECT_EQ(city.fileName, "tiny");
    EXPECT_EQ(city.cityCode, 5);
    EXPECT_EQ(city.cityVersion, 2);
    EXPECT_EQ(city.defFirstStation, 2);
    EXPECT_EQ(city.fileVersion, 1);  // defaults of the keys left out
    EXPECT_EQ(city.maxChanges, 3);
    EXPECT_EQ(city.isNTime, 0);

    ASSERT_EQ(city.lines.size(), 2u);
    EXPECT_EQ(city.lines[0].number, 1);
    EXPECT_EQ(city.lines[0].name, "Первая");
    EXPECT_EQ(city.lines[1].colour, (std::array<std::uint8_t, 3>{0, 0, 255}));
    EXPECT_EQ(city.lines[1].eveningWait, 6);

    ASSERT_EQ(city.stations.size(), 2u);
    const StationSource& first = city.stations[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.name, "Площадь");
    EXPECT_EQ(first.next, 2);
    EXPECT_TRUE(first.inOperation);
    ASSERT_TRUE(first.bendToNext.has_value());
    EXPECT_EQ(*first.bendToNext, (Point{30, 20}));
    EXPECT_FALSE(first.bendToPrev.has_value());
    EXPECT_EQ(first.label.side, LabelSide::SE);
    EXPECT_EQ(first.label.dy, -2);
    EXPECT_EQ(first.where.file, "stations.txt");
    EXPECT_EQ(first.where.line, 3);

    ASSERT_EQ(city.transfers.size(), 1u);
    EXPECT_EQ(city.transfers[0].minutes, 4);
    EXPECT_EQ(city.info, (std::vector<std::string>{"Иван Петров", "Пётр Иванов"}));
}

TEST_F(CityFolderTest, ErrorsNameFolderFileLineAndField) {
    const std::string error = ErrorOf("stations.txt", "\n1 | A | 1 | 20 | 20 | x | 0 | 0 | 0 | 1 | - | - | N\n");
    EXPECT_NE(error.find(folder_.string() + "/stations.txt:2: Next:"), std::string::npos) << error;
    EXPECT_NE(error.find("\"x\""), std::string::npos) << error;
}

TEST_F(CityFolderTest, RejectsRowsOfTheWrongWidth) {
    const std::string error = ErrorOf("transfers.txt", "1 | 2\n");
    EXPECT_NE(error.find("transfers.txt:1: expected 3 fields"), std::string::npos) << error;
}

TEST_F(CityFolderTest, RejectsBadConstants) {
    EXPECT_NE(ErrorOf("city.txt", "file = a\nColour = red\n").find("unknown key \"Colour\""), std::string::npos);
    EXPECT_NE(ErrorOf("city.txt", "file = a\nfile = b\n").find("city.txt:2: file: given twice"), std::string::npos);
    EXPECT_NE(ErrorOf("city.txt", "file = a\nCityCode = 1\nCityVersion = 1\n").find("missing key DefFirstStation"),
              std::string::npos);
    EXPECT_NE(ErrorOf("city.txt", "file = a\nCityCode = 300\n").find("city.txt:2: CityCode:"), std::string::npos);
    EXPECT_NE(ErrorOf("city.txt", "file\n").find("expected key = value"), std::string::npos);
}

TEST_F(CityFolderTest, RejectsNumbersOutsideTheFormat) {
    EXPECT_NE(ErrorOf("lines.txt", "12 | #000000 | 1 | 1 | Лишняя\n").find("lines.txt:1: Line:"), std::string::npos);
    EXPECT_NE(
        ErrorOf("stations.txt", "181 | A | 1 | 20 | 20 | 0 | 0 | 0 | 0 | 1 | - | - | N\n").find("stations.txt:1: No:"),
        std::string::npos);
}

TEST_F(CityFolderTest, MissingFileOrFolder) {
    fs::remove(folder_ / "info.txt");
    files_.erase("info.txt");
    const ParseResult missingFile = Parse();
    EXPECT_FALSE(missingFile.city.has_value());
    EXPECT_NE(missingFile.error.find("missing file info.txt"), std::string::npos) << missingFile.error;

    const ParseResult noFolder = ParseCityFolder((folder_ / "nowhere").string());
    EXPECT_FALSE(noFolder.city.has_value());
    EXPECT_NE(noFolder.error.find("not a city folder"), std::string::npos) << noFolder.error;
}

TEST_F(CityFolderTest, RiversAreOptionalAndKeepTheirOrder) {
    const ParseResult without = Parse();
    ASSERT_TRUE(without.city.has_value()) << without.error;
    EXPECT_TRUE(without.city->rivers.empty());

    files_["rivers.txt"] = "# Name | Width | Points\nРека | 9 | -40,10 30,30 600,31\n\nРека, рукав | 1 | 5,5 6,6\n";
    const ParseResult with = Parse();
    ASSERT_TRUE(with.city.has_value()) << with.error;
    const auto& rivers = with.city->rivers;
    ASSERT_EQ(rivers.size(), 2u);
    EXPECT_EQ(rivers[0].name, "Река");
    EXPECT_EQ(rivers[0].width, 9);
    EXPECT_EQ(rivers[0].points, (std::vector<Point>{{-40, 10}, {30, 30}, {600, 31}}));
    EXPECT_EQ(rivers[1].name, "Река, рукав");
    EXPECT_EQ(rivers[1].where.line, 4);

    EXPECT_NE(ErrorOf("rivers.txt", "Река | 0 | 1,1 2,2\n").find("rivers.txt:1: Width:"), std::string::npos);
    EXPECT_NE(ErrorOf("rivers.txt", "Река | 41 | 1,1 2,2\n").find("rivers.txt:1: Width:"), std::string::npos);
    const std::string onePoint = ErrorOf("rivers.txt", "\nРека | 3 | 1,1\n");
    EXPECT_NE(onePoint.find(folder_.string() + "/rivers.txt:2: Points:"), std::string::npos) << onePoint;
    EXPECT_NE(ErrorOf("rivers.txt", "Река | 3\n").find("rivers.txt:1: expected 3 fields"), std::string::npos);
}

}  // namespace
}  // namespace tnx::city
