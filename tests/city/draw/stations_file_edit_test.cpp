#include "city/draw/layout/stations_file_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tnx::city::layout {
namespace {

class StationsFileEdit : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tunnex_edit_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void Write(const std::string& text) { std::ofstream(folder_ / "stations.txt") << text; }
    std::string Read() {
        std::ifstream in(folder_ / "stations.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::filesystem::path folder_;
};

const char* const kStations =
    "# No | Name | Line | X | Y | Next | Prev | ToNext | ToPrev | Open | BendNext | BendPrev | Label\n"
    "1  | Первая   | 1 | 20  | 30  | 2 | 0 | 2 | 0 | 1 | -     | -     | E\n"
    "# 2 | a comment that looks like a row | 1 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | - | - | W\n"
    "2  | Вторая   | 1 | 120 | 30  | 0 | 1 | 0 | 2 | 1 | 60,10 | -     | NW/,-2,3\n";

TEST_F(StationsFileEdit, ChangesOnlyTheGivenFieldsOfTheGivenStations) {
    Write(kStations);
    std::string error;
    ASSERT_TRUE(EditStationsFile(folder_.string(), {{2, {std::make_pair(95, 140), "S,0,4"}}}, error)) << error;
    const std::string expected =
        "# No | Name | Line | X | Y | Next | Prev | ToNext | ToPrev | Open | BendNext | BendPrev | Label\n"
        "1  | Первая   | 1 | 20  | 30  | 2 | 0 | 2 | 0 | 1 | -     | -     | E\n"
        "# 2 | a comment that looks like a row | 1 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | - | - | W\n"
        "2  | Вторая   | 1 | 95  | 140 | 0 | 1 | 0 | 2 | 1 | 60,10 | -     | S,0,4\n";
    EXPECT_EQ(Read(), expected);
}

TEST_F(StationsFileEdit, PositionAloneKeepsTheLabelAndAWiderNumberWidensItsColumn) {
    Write(kStations);
    std::string error;
    StationEdit move;
    move.position = std::make_pair(1234, 5);
    ASSERT_TRUE(EditStationsFile(folder_.string(), {{1, move}}, error)) << error;
    EXPECT_NE(Read().find("1  | Первая   | 1 | 1234 | 5   | 2 |"), std::string::npos) << Read();
    EXPECT_NE(Read().find("| -     | -     | E\n"), std::string::npos);
}

TEST_F(StationsFileEdit, MissingFileIsAnErrorAndWritesNothing) {
    std::string error;
    EXPECT_FALSE(EditStationsFile(folder_.string(), {{1, {std::make_pair(1, 1), std::nullopt}}}, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "stations.txt"));
}

}  // namespace
}  // namespace tnx::city::layout
