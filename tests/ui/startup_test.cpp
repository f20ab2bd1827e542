#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

#include "form_fixture.h"
#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/city_names.h"
#include "shell/city_session.h"
#include "shell/program_version.h"
#include "shell/settings_store.h"
#include "ui/radio_group.h"
#include "ui/splash_form.h"
#include "ui/station_combo.h"
#include "ui/station_hint.h"

namespace tnx::ui::test {
namespace {

const std::string kNoModule =
    "Не найдено ни одного файла данных.\r\nДальнейшая работа программы невозможна.\r\n\r\n"
    "Файлы данных (*.tnd) должны находиться в каталоге программы";

TEST_F(FormTest, NoUsableModuleEndsWithExitCode5AndItsMessage) {
    EXPECT_EQ(Start(), 5);
    EXPECT_EQ(environment.Messages, std::vector<std::string>{kNoModule});

    // Files the scan refuses are named with their reasons before the described message.
    AddJunk("junk.tnd");
    AddFake("code15.tnd", "code15.tnd");
    AddCity("kharkiv.tnd.bak");
    environment.Messages.clear();
    EXPECT_EQ(Start(), 5);
    EXPECT_EQ(environment.Messages, (std::vector<std::string>{"Файлы данных в каталоге программы не подключены:\r\n"
                                                              "\r\ncode15.tnd \u2014 CityCode = 15, допустимо 1..14"
                                                              "\r\njunk.tnd \u2014 файл короче заголовка (12 байт)",
                                                              kNoModule}));
}

TEST_F(FormTest, ACutModuleBesideGoodOnesIsNamedWithItsReasonAndAGoodOneOpens) {
    AddCity("b.tnd");
    std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / "moscow.tnd", Folder() / "a.tnd");
    std::filesystem::resize_file(Folder() / "a.tnd", 200000);
    testing::internal::CaptureStderr();
    Started();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("tunnex: a.tnd: файл обрезан: 200000 байт из "), std::string::npos) << said;
    ASSERT_EQ(form->State().Catalog.size(), 1u);
    EXPECT_EQ(form->State().CurrentCityFile, "b.tnd");
    EXPECT_TRUE(environment.Messages.empty());
}

TEST_F(FormTest, ListedModulesThatDoNotOpenEndWithExitCode4) {
    AddFake("nostations.tnd", "broken.tnd");
    AddFake("good.tnd", "nopictures.tnd");
    EXPECT_EQ(Start(), 4);
    EXPECT_EQ(environment.Messages,
              (std::vector<std::string>{CityConnectFailedMessage("broken.tnd"), NoWorkingCityMessage("broken.tnd")}));
}

TEST_F(FormTest, ModuleGoneBeforeLoadingEndsWithExitCode4AndBothMessages) {
    AddCity("a.tnd");
    AddCity("b.tnd");
    // The modules disappear after the catalog has listed them.
    environment.OnWait = [this] {
        if (form && !form->State().Catalog.empty()) {
            std::filesystem::remove(Folder() / "a.tnd");
            std::filesystem::remove(Folder() / "b.tnd");
        }
    };
    EXPECT_EQ(Start(), 4);
    EXPECT_EQ(environment.Messages,
              (std::vector<std::string>{
                  "Ошибка подключения файла данных a.tnd. Файл отсутствует либо поврежден.\r\n"
                  "Укажите в настройках город, для которого существует рабочий файл данных.\r\n"
                  "Для дальнейшей работы программы будет использован произвольный файл.",
                  "Ошибка подключения файла данных a.tnd. Файл поврежден.\r\n"
                  "У вас нет ни одного рабочего файла данных. Дальнейшая работа программы не возможна."}));
}

TEST_F(FormTest, ChoiceOfTheCityFile) {
    // One module: taken whatever is stored.
    AddCity("b.tnd");
    StoreCityFileName("a.tnd");
    EXPECT_EQ(Started().State().CurrentCityFile, "b.tnd");
    EXPECT_TRUE(environment.Messages.empty());

    // Several: the stored one.
    AddCity("a.tnd");
    AddCity("c.tnd");
    StoreCityFileName("c.tnd");
    EXPECT_EQ(Started().State().CurrentCityFile, "c.tnd");
    EXPECT_EQ(form->State().Catalog.size(), 3u);

    // Several, nothing stored and no "Москва": the first listed.
    ClearUserSettings();
    EXPECT_EQ(Started().State().CurrentCityFile, "a.tnd");
    EXPECT_TRUE(environment.Messages.empty());
}

TEST_F(FormTest, StoredChoiceOfADeletedFileFallsBackAtEveryStart) {
    AddCity("b.tnd");
    AddCity("c.tnd");
    StoreCityFileName("gone.tnd");
    for (int start = 0; start < 2; ++start) {
        environment.Messages.clear();
        TForm1& f = Started();
        ASSERT_EQ(environment.Messages.size(), 1u);
        EXPECT_EQ(environment.Messages[0], CityConnectFailedMessage("gone.tnd"));
        EXPECT_EQ(f.State().CurrentCityFile, "b.tnd") << "names the module actually loaded";
        EXPECT_NE(f.State().CityInfoText().find("Файл        : b.tnd"), std::string::npos);
        EXPECT_EQ(StoredCityFileName(), "gone.tnd") << "the stored choice is not changed";
    }
    EXPECT_EQ(environment.MessagesOverSplash, 0) << "the splash screen steps aside for a message";
}

TEST_F(FormTest, ListsAfterLoadingHoldTheOperatingStationsSortedWithTheFirstStationChosen) {
    AddCity();
    TForm1& f = Started();
    const QComboBox* start = f.ComboBox1;
    const QComboBox* end = f.ComboBox2;
    ASSERT_EQ(start->count(), f.State().OperatingStations);
    ASSERT_EQ(end->count(), start->count());
    int operating = 0;
    for (int n = 1; n <= f.State().City.NumOfStations; ++n) {
        const TStation& s = f.State().City.Station(static_cast<std::uint8_t>(n));
        const int index = start->findText(QString::fromStdString(Cp1251ToUtf8(StoredName(s))));
        EXPECT_EQ(index >= 0, s.InOperation != 0) << n;
        operating += s.InOperation != 0;
    }
    EXPECT_EQ(operating, f.State().OperatingStations);
    for (int i = 0; i + 1 < start->count(); ++i) {
        EXPECT_EQ(start->itemText(i), end->itemText(i));
        EXPECT_LT(start->itemText(i).toLower(), start->itemText(i + 1).toLower());
    }
    // No stored settings: the module's first station, in both lists and both endpoints.
    EXPECT_EQ(start->currentText(), "Площадь восстания");
    EXPECT_EQ(end->currentIndex(), start->currentIndex());
    EXPECT_EQ(f.State().StartStation, 8);
    EXPECT_EQ(f.State().EndStation, 8);
    EXPECT_TRUE(f.DayRadioButton->isEnabled());
    EXPECT_TRUE(f.EvRadioButton->isEnabled());
    EXPECT_TRUE(f.DayRadioButton->isChecked());
    EXPECT_FALSE(f.RadioGroup1->isVisible());
    EXPECT_EQ(f.Label1->text().toStdString(), f.State().CityInfoText());
    EXPECT_NE(f.State().CityInfoText().find("действующих : " + std::to_string(f.State().OperatingStations)),
              std::string::npos);
}

TEST_F(FormTest, StoredSettingsChooseTheFirstStationAndTheMenuMarks) {
    AddCity();
    TCitySettings stored;
    stored.FstStation = 12;
    stored.UseWaitTime = false;
    stored.ShowOnlyOptimal = false;
    stored.ArrangeByChanges = true;
    WriteCitySettings(4, stored);
    TForm1& f = Started();
    EXPECT_EQ(f.ComboBox1->currentText(), "Холодная гора");
    EXPECT_EQ(f.ComboBox2->currentText(), "Холодная гора");
    EXPECT_EQ(f.State().StartStation, 12);
    EXPECT_FALSE(f.N3->isChecked());
    EXPECT_FALSE(f.N9->isChecked());
    EXPECT_FALSE(f.N6->isChecked());
    EXPECT_TRUE(f.N7->isChecked());
    EXPECT_FALSE(f.DayRadioButton->isEnabled()) << "waiting times off";
    EXPECT_FALSE(f.EvRadioButton->isEnabled());

    // A station not in operation is no list entry: no selection, yet it is both endpoints.
    stored.FstStation = 1;
    WriteCitySettings(4, stored);
    TForm1& g = Started();
    EXPECT_EQ(g.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(g.ComboBox2->currentIndex(), -1);
    EXPECT_EQ(g.State().StartStation, 1);
    EXPECT_EQ(g.State().EndStation, 1);

    // One that names no station of the city gives station 1, never 0.
    UserSettings().setValue("4/FstStation", 200);
    EXPECT_EQ(Started().State().StartStation, 1);
    UserSettings().setValue("4/FstStation", "junk");
    EXPECT_EQ(Started().State().StartStation, 1);
}

TEST_F(FormTest, SplashCountsThirteenStepsAndEveryPause) {
    AddCity("a.tnd");
    AddCity("b.tnd");
    AddJunk("c.tnd");
    TForm1& f = Started();
    ASSERT_NE(f.SplashForm, nullptr);
    EXPECT_EQ(f.SplashForm->Gauge1->value(), 13);
    EXPECT_FALSE(f.SplashForm->isVisible());
    EXPECT_EQ(f.SplashForm->Label2->text(), "Инициализация");
    // 13 gauge steps, one per module that opened, one for "Инициализация".
    EXPECT_EQ(environment.Waits.size(), 13u + 2u + 1u);
    const TProgramVersion version = SplitVersionText(GetFileVersionText());
    EXPECT_EQ(f.SplashForm->Label1->text().toStdString(), "Version " + version.Version + " Build." + version.Build);

    UserSettings().setValue("NoSplash", 1);
    environment.Waits.clear();
    EXPECT_EQ(Started().SplashForm, nullptr);
    EXPECT_TRUE(environment.Waits.empty());
}

TEST_F(FormTest, FirstTimeOpensHelpOnceAndIsRemoved) {
    AddCity();
    UserSettings().setValue("FirstTime", 1);
    Started();
    EXPECT_TRUE(form->State().FirstRun);
    EXPECT_EQ(environment.HelpTopics, std::vector<int>{1010});
    EXPECT_FALSE(UserSettings().contains("FirstTime"));
    Started();
    EXPECT_FALSE(form->State().FirstRun);
    EXPECT_EQ(environment.HelpTopics.size(), 1u);
}

TEST_F(FormTest, WindowSizeFollowsTheScreenWidth) {
    AddCity();
    environment.Screen = 1024;
    TForm1& wide = Started();
    EXPECT_EQ(wide.size(), QSize(800, 601));
    EXPECT_FALSE(wide.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(wide.StationHint->font().pointSize(), 11);
    EXPECT_EQ(wide.pos(), QPoint(112, 83)) << "centred on 1024 x 768";

    environment.Screen = 800;
    environment.ScreenHeight = 600;
    environment.Usable = QRect(0, 24, 800, 576);  // a panel does not move a window that covers all
    TForm1& exact = Started();
    EXPECT_EQ(exact.size(), QSize(800, 600));
    EXPECT_EQ(exact.pos(), QPoint(0, 0)) << "fills the screen, its caption row included";
    EXPECT_TRUE(exact.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(exact.StationHint->font().pointSize(), 10);

    environment.Screen = 640;
    EXPECT_EQ(Start(), 0) << "ends without entering the message loop";
    EXPECT_EQ(environment.Messages,
              std::vector<std::string>{"Для работы программы требуется разрешение экрана не менее 800x600"});
    EXPECT_EQ(form->size(), QSize(0, 0));
}

TEST_F(FormTest, OnAShortScreenTheCaptionBarAndItsCloseButtonStayOnIt) {
    AddCity();
    // 1920 x 1080 at 200 %: 960 x 540, with a panel along the top.
    environment.Screen = 960;
    environment.ScreenHeight = 540;
    environment.Usable = QRect(0, 27, 960, 513);
    TForm1& f = Started();
    EXPECT_EQ(f.pos(), QPoint(80, 27));
    EXPECT_TRUE(environment.Usable.contains(f.geometry().topRight())) << "the close button's corner";
}

TEST_F(FormTest, CaptionNamesVersionAndCity) {
    AddCity();
    TForm1& f = Started();
    const TProgramVersion version = SplitVersionText(GetFileVersionText());
    EXPECT_EQ(f.CaptionText().toStdString(), "Tunnex v" + version.Version + " - [ Ха\x70ьков ]");
    EXPECT_EQ(f.State().ProgramBuildText, version.Build);
}

TEST_F(FormTest, ClosingReleasesTheModuleAndStoresNothing) {
    AddCity();
    TForm1& f = Started();
    ASSERT_TRUE(f.State().CityModuleHandle);
    f.N3->trigger();  // in memory only
    f.close();
    EXPECT_FALSE(f.State().CityModuleHandle);
    EXPECT_FALSE(QFile::exists(UserSettings().fileName())) << "nothing written by a start and a close";

    // A user's stored settings survive a restart untouched.
    TCitySettings stored;
    stored.FstStation = 29;
    stored.TimeDiff = 40;
    stored.UseWaitTime = false;
    WriteCitySettings(4, stored);
    StoreCityFileName("kharkiv.tnd");
    QFile file(UserSettings().fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    TForm1& g = Started();
    EXPECT_EQ(g.State().Settings.TimeDiff, 40);
    g.N3->trigger();
    EXPECT_TRUE(g.State().Settings.UseWaitTime);
    TForm1& h = Started();
    EXPECT_FALSE(h.State().Settings.UseWaitTime) << "the menu changed memory only";
    EXPECT_EQ(h.State().StartStation, 29);
    h.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
}  // namespace tnx::ui::test
