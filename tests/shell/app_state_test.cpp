// The program's state without its windows: loading a city, the endpoints, the search
// and what confirming the options stores.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "shell/app_state.h"
#include "shell/city_session.h"
#include "shell/program_version.h"

namespace tnx {
namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kKharkiv = 4;
constexpr std::uint8_t kSpb = 2;

QSettings Store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex"); }

class AppStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clear();
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override { Clear(); }
    static void Clear() {
        QSettings s = Store();
        s.clear();
        s.sync();
        QFile::remove(s.fileName());
    }
    fs::path Folder() const { return folder.path().toStdString(); }
    void Add(const char* module, const char* as) {
        fs::copy_file(fs::path(TUNNEX_PROGRAM_DIR) / module, Folder() / as);
    }
    // A state of the folder with its catalog listed and `file` loaded.
    std::unique_ptr<TAppState> Loaded(const std::string& file) {
        auto state = std::make_unique<TAppState>(Folder());
        state->ScanCatalog({});
        EXPECT_TRUE(state->LoadCity(file, [this](const std::string& m) { told.push_back(m); }));
        return state;
    }

    QTemporaryDir folder;
    std::vector<std::string> told;
};

TEST_F(AppStateTest, LoadingFallsBackToTheFirstListedAndPutsTheCityInEffect) {
    Add("kharkiv.tnd", "b.tnd");
    Store().setValue("4/TimeDiff", 7);
    Store().setValue("4/FstStation", 12);
    const auto state = Loaded("gone.tnd");
    EXPECT_EQ(told, std::vector<std::string>{CityConnectFailedMessage("gone.tnd")});
    EXPECT_EQ(state->CurrentCityFile, "b.tnd") << "names the module actually loaded";
    EXPECT_EQ(state->City.CityCode, kKharkiv);
    EXPECT_TRUE(state->CityModuleHandle);
    EXPECT_EQ(state->Settings.TimeDiff, 7) << "the city's stored settings";
    EXPECT_EQ(state->Settings.ShowOnlyOptimal, TCitySettings{}.ShowOnlyOptimal);
    EXPECT_EQ(state->StartStation, 12) << "both endpoints are the stored first station";
    EXPECT_EQ(state->EndStation, 12);
    EXPECT_EQ(state->OperatingStations, 26);
    EXPECT_NE(state->CityInfoText().find("Версия      : 1.2"), std::string::npos) << state->CityInfoText();
    EXPECT_EQ(state->ProgramVersionText + "." + state->ProgramBuildText, GetFileVersionText());

    // Nothing opens any more: both messages, and the city loaded before stays in effect.
    fs::remove(Folder() / "b.tnd");
    told.clear();
    EXPECT_FALSE(state->LoadCity("b.tnd", [this](const std::string& m) { told.push_back(m); }));
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(state->CurrentCityFile, "b.tnd");
    EXPECT_EQ(state->City.CityCode, kKharkiv);
    EXPECT_TRUE(state->CityModuleHandle);
}

TEST_F(AppStateTest, OnlyANewPairOfStationsChangesTheEndpoints) {
    Add("kharkiv.tnd", "a.tnd");
    const auto state = Loaded("a.tnd");
    const std::uint8_t last = state->City.NumOfStations;
    const auto beyond = static_cast<std::uint8_t>(last + 1);
    const struct {
        std::uint8_t Start, End;
        bool Changes;
    } cases[] = {{8, 8, false},  {12, 8, true},   {8, 29, true},      {0, 29, false},
                 {12, 0, false}, {last, 1, true}, {beyond, 8, false}, {8, 255, false}};
    for (const auto& c : cases) EXPECT_EQ(state->EndpointsWouldChange(c.Start, c.End), c.Changes) << +c.Start << +c.End;
}

TEST_F(AppStateTest, TheSearchKeepsItsOutcomeAndSetsTheShownRoute) {
    Add("kharkiv.tnd", "a.tnd");
    const auto state = Loaded("a.tnd");
    state->Settings.UseWaitTime = false;
    state->Settings.ShowOnlyOptimal = false;
    state->SetEndpoints(12, 9);
    const TSearchOutcome& found = state->Search(true, false);
    ASSERT_EQ(found.Result, TSearchResult::Routes);
    EXPECT_EQ(found.Entries, (std::vector<std::string>{"13 минут, 1 пересадка", "17 минут, 2 пересадки"}));
    EXPECT_EQ(&found, &state->LastSearch);
    EXPECT_EQ(state->ShownRouteStations, state->Routes().Route(1).Stations);
    ASSERT_TRUE(state->HasListedRoute(1));
    EXPECT_FALSE(state->HasListedRoute(2));
    EXPECT_FALSE(state->HasListedRoute(-1));
    state->ShowListedRoute(1);
    EXPECT_EQ(state->ShownRouteStations, state->Routes().Route(2).Stations);
    EXPECT_EQ(state->ShownRouteTransfers, state->Routes().Route(2).ChangeStations);

    const TStationSet shown = state->ShownRouteStations;
    state->SetEndpoints(9, 9);
    EXPECT_EQ(state->Search(true, false).Result, TSearchResult::SameStation);
    EXPECT_EQ(state->ShownRouteStations, shown) << "no search, the shown route stays";

    state->Settings.ChangesDiff = 0;
    state->SetEndpoints(12, 9);
    EXPECT_EQ(state->Search(true, false).Result, TSearchResult::NoRoute);
    EXPECT_TRUE(state->ShownRouteStations.Empty());
    EXPECT_TRUE(state->ShownRouteTransfers.Empty());
}

TEST_F(AppStateTest, ConfirmingStoresTheSettingsForTheOpenCityAndChoosesTheCityFile) {
    struct TCase {
        const char* What;
        const char* Stored;  // "CityFileName" before; nullptr for none
        const char* Chosen;
        bool CityChosen;
        const char* StoredAfter;
    };
    const TCase cases[] = {
        {"no choice", nullptr, "", false, nullptr},
        {"the open city", "a.tnd", "a.tnd", false, "a.tnd"},
        {"the open city after a fall-back", "gone.tnd", "a.tnd", false, "a.tnd"},
        {"another city", "a.tnd", "b.tnd", true, "b.tnd"},
    };
    Add("kharkiv.tnd", "a.tnd");
    Add("spb.tnd", "b.tnd");
    for (const TCase& c : cases) {
        Clear();
        if (c.Stored != nullptr) Store().setValue("CityFileName", c.Stored);
        const auto state = Loaded("a.tnd");
        TOptionsChoice choice{state->Settings, c.Chosen};
        choice.Settings.TimeDiff = 17;
        choice.Settings.FstStation = 12;

        const TOptionsConfirmed confirmed = state->ConfirmOptions(choice);
        EXPECT_EQ(confirmed.CityChosen, c.CityChosen) << c.What;
        for (const TStoreFailure& failure : confirmed.Failures) EXPECT_EQ(failure, "") << c.What;
        EXPECT_EQ(state->Settings.TimeDiff, 17) << c.What << ": in effect";
        EXPECT_EQ(Store().value("4/TimeDiff").toString(), "17") << c.What << ": stored for the city open";
        EXPECT_EQ(Store().value("4/FstStation").toString(), "12") << c.What;
        EXPECT_FALSE(Store().contains(QString::number(kSpb) + "/TimeDiff")) << c.What;
        EXPECT_EQ(StoredCityFileName(), c.StoredAfter ? std::optional<std::string>(c.StoredAfter) : std::nullopt)
            << c.What;
        EXPECT_EQ(state->CurrentCityFile, c.CityChosen ? c.Chosen : "a.tnd") << c.What;
        EXPECT_EQ(state->CityModuleHandle == nullptr, c.CityChosen) << c.What << ": released until loaded";
        EXPECT_EQ(state->City.CityCode, kKharkiv) << c.What << ": the caller loads the chosen city";
    }
}

}  // namespace
}  // namespace tnx
