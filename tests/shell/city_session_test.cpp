#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "shell/city_choice.h"
#include "shell/city_session.h"
#include "shell/program_version.h"

namespace tnx {
namespace {

namespace fs = std::filesystem;

TCatalogEntry Entry(const char* file, std::uint8_t code, const char* name) {
    TCatalogEntry e;
    e.FileName = file;
    e.CityCode = code;
    e.CityName = name;
    return e;
}

TEST(ChooseCurrentCityFile, OnlyModuleElseStoredElseMoscowElseFirst) {
    const auto kharkiv = Entry("kharkiv.tnd", 4, "Хаpьков");
    const auto moscow = Entry("moscow.tnd", 1, "Москва");
    const auto spb = Entry("spb.tnd", 2, "Санкт-Петербург");

    EXPECT_EQ(ChooseCurrentCityFile({}, std::nullopt), "");
    EXPECT_EQ(ChooseCurrentCityFile({kharkiv}, std::string("spb.tnd")), "kharkiv.tnd");
    EXPECT_EQ(ChooseCurrentCityFile({kharkiv, spb}, std::string("gone.tnd")), "gone.tnd")
        << "a stored name is taken whether or not it is listed";
    EXPECT_EQ(ChooseCurrentCityFile({kharkiv, moscow, spb}, std::nullopt), "moscow.tnd");
    EXPECT_EQ(ChooseCurrentCityFile({spb, kharkiv}, std::nullopt), "spb.tnd");
    EXPECT_EQ(ChooseCurrentCityFile({kharkiv, spb}, std::string("")), "")
        << "an empty stored name is still a stored name; the loader falls back";
}

TEST(ChooseCurrentCityFile, CatalogFindsFileNamesWithoutLetterCase) {
    const std::vector<TCatalogEntry> catalog = {Entry("a.tnd", 4, ""), Entry("Kharkiv.TND", 4, "")};
    EXPECT_EQ(CatalogIndex(catalog, "kharkiv.tnd"), 1);
    EXPECT_EQ(CatalogIndex(catalog, "A.TND"), 0);
    EXPECT_EQ(CatalogIndex(catalog, "b.tnd"), -1);
}

TEST(ProgramVersion, SplitsOffTheBuildNumber) {
    EXPECT_EQ(SplitVersionText("2.20.3.9").Version, "2.20.3");
    EXPECT_EQ(SplitVersionText("2.20.3.9").Build, "9");
    EXPECT_EQ(SplitVersionText("1.0.0.12").Version, "1.0.0");
    EXPECT_EQ(SplitVersionText("1.0.0.12").Build, "12");
    EXPECT_EQ(SplitVersionText("").Version, "");
    EXPECT_EQ(SplitVersionText("").Build, "");
    const std::string own = GetFileVersionText();
    EXPECT_EQ(std::count(own.begin(), own.end(), '.'), 3) << own;
}

class OpenCityTest : public ::testing::Test {
protected:
    fs::path parent;
    fs::path dir;
    std::vector<std::string> boxes;

    void SetUp() override {
        parent = fs::temp_directory_path() /
                 ("tunnex_open_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        dir = parent / "program";
        fs::remove_all(parent);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(parent); }

    void Put(const fs::path& from, const fs::path& to) { fs::copy_file(from, to); }
    void PutCity(const char* as) { Put(fs::path(TUNNEX_PROGRAM_DIR) / "kharkiv.tnd", dir / as); }
    void PutFake(const char* fake, const char* as) { Put(fs::path(TUNNEX_TEST_MODULE_DIR) / fake, dir / as); }

    TCityOpenResult Open(const std::string& file, const std::vector<std::string>& listed, TCityLoad& load) {
        return OpenCityOrFirstListed(dir, file, listed, TCity{}, load,
                                     [this](const std::string& m) { boxes.push_back(m); });
    }
};

TEST_F(OpenCityTest, OpensTheChosenModuleWithItsPictures) {
    PutCity("kharkiv.tnd");
    TCityLoad load;
    EXPECT_EQ(Open("kharkiv.tnd", {"kharkiv.tnd"}, load), TCityOpenResult::Opened);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(load.FileName, "kharkiv.tnd");
    ASSERT_TRUE(load.Module);
    EXPECT_EQ(load.Loaded.City.CityCode, 4);
    EXPECT_EQ(load.Pictures.Map.Width, 591);
}

TEST_F(OpenCityTest, MissingChoiceFallsBackToTheFirstListedWithOneMessage) {
    PutCity("a.tnd");
    TCityLoad load;
    EXPECT_EQ(Open("gone.tnd", {"a.tnd"}, load), TCityOpenResult::OpenedFirstListed);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], CityConnectFailedMessage("gone.tnd"));
    EXPECT_EQ(load.FileName, "a.tnd");
}

TEST_F(OpenCityTest, NameReachingOutsideTheProgramFolderIsRefused) {
    PutCity("a.tnd");
    Put(fs::path(TUNNEX_PROGRAM_DIR) / "kharkiv.tnd", parent / "outside.tnd");
    for (const std::string& name :
         {std::string("../outside.tnd"), (parent / "outside.tnd").string(), std::string("")}) {
        boxes.clear();
        TCityLoad load;
        EXPECT_EQ(Open(name, {"a.tnd"}, load), TCityOpenResult::OpenedFirstListed) << name;
        EXPECT_EQ(load.FileName, "a.tnd");
        EXPECT_EQ(boxes.size(), 1u);
    }
}

TEST_F(OpenCityTest, NoWorkingModuleGivesBothMessagesAndLeavesTheLoadAlone) {
    PutFake("nostations.tnd", "broken.tnd");
    PutFake("good.tnd", "nopictures.tnd");
    std::ofstream(dir / "junk.tnd") << "junk";
    TCityLoad load;
    load.FileName = "previous";
    EXPECT_EQ(Open("broken.tnd", {"nopictures.tnd"}, load), TCityOpenResult::Failed);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], CityConnectFailedMessage("broken.tnd"));
    EXPECT_EQ(boxes[1], NoWorkingCityMessage("nopictures.tnd"));
    EXPECT_EQ(load.FileName, "previous");
    EXPECT_FALSE(load.Module);

    boxes.clear();
    EXPECT_EQ(Open("junk.tnd", {"junk.tnd"}, load), TCityOpenResult::Failed) << "the same file is tried twice";
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(OpenCityTest, FallBackSkipsListedModulesThatDoNotOpen) {
    PutFake("nostations.tnd", "a.tnd");
    PutCity("b.tnd");
    TCityLoad load;
    EXPECT_EQ(Open("gone.tnd", {"a.tnd", "b.tnd"}, load), TCityOpenResult::OpenedFirstListed);
    EXPECT_EQ(boxes, std::vector<std::string>{CityConnectFailedMessage("gone.tnd")});
    EXPECT_EQ(load.FileName, "b.tnd");
}

TEST_F(OpenCityTest, CatalogListsModulesByTheirHeaderAndTellsWhyOthersAreLeftOut) {
    PutCity("b.tnd");
    PutCity("A.TND");
    PutFake("good.tnd", "c.tnd");  // no pictures: listed, refused only when opened
    PutFake("code15.tnd", "d.tnd");
    PutFake("nocode.tnd", "e.tnd");
    std::ofstream(dir / "f.tnd") << "junk";
    std::ofstream(dir / "notes.txt") << "not a module";
    std::vector<std::string> opened;
    std::vector<std::string> refused;
    int firstDone = 0;
    TScanOptions options;
    options.FileOpened = [&](const std::string& name) { opened.push_back(name); };
    options.FirstFileDone = [&] { ++firstDone; };
    options.Refused = [&](const std::string& name, const std::string& reason) {
        refused.push_back(name + ": " + reason);
    };
    const auto catalog = ScanCityModules(dir, options);
    ASSERT_EQ(catalog.size(), 3u);
    EXPECT_EQ(catalog[0].FileName, "A.TND");
    EXPECT_EQ(catalog[1].FileName, "b.tnd");
    EXPECT_EQ(catalog[2].FileName, "c.tnd");
    EXPECT_EQ(catalog[0].VersionText, "1.2");
    EXPECT_EQ(opened, (std::vector<std::string>{"A.TND", "b.tnd", "c.tnd", "d.tnd", "e.tnd"}));
    EXPECT_EQ(refused,
              (std::vector<std::string>{"d.tnd: CityCode = 15, допустимо 1..14", "e.tnd: нет значения CityCode",
                                        "f.tnd: файл короче заголовка (4 байт)"}));
    EXPECT_EQ(firstDone, 1);
}

}  // namespace
}  // namespace tnx
