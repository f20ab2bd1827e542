// The options dialog: the loaded city's settings, their storing, and the city switch.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QWhatsThis>
#include <QtTest/QTest>

#include "engine/search_command.h"
#include "form_fixture.h"
#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/module_catalog.h"
#include "shell/settings_store.h"
#include "ui/help_file.h"
#include "ui/options_dialog.h"
#include "ui/radio_group.h"
#include "ui/spin_edit.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {
namespace {

constexpr int kKharkiv = 4;
constexpr int kSpb = 2;

class OptionsTest : public FormTest {
protected:
    void AddModule(const std::string& module, const std::string& as) {
        std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / module, Folder() / as);
    }
    // The values stored under a city's group, by name.
    static std::map<QString, QString> Stored(int cityCode) {
        QSettings s = UserSettings();
        s.beginGroup(QString::number(cityCode));
        std::map<QString, QString> values;
        for (const QString& key : s.childKeys()) values[key] = s.value(key).toString();
        return values;
    }
    static void Store(int cityCode, const std::map<QString, int>& values) {
        QSettings s = UserSettings();
        s.beginGroup(QString::number(cityCode));
        for (const auto& [key, value] : values) s.setValue(key, value);
    }
    QStringList Entries() const { return form->RadioGroup1->Items(); }
    QStringList Expected() const {
        TSearchRequest request;
        request.StartStation = form->StartStation;
        request.EndStation = form->EndStation;
        request.Settings = form->Settings;
        request.DayChecked = form->DayRadioButton->isChecked();
        request.EveningChecked = form->EvRadioButton->isChecked();
        auto list = std::make_unique<TRouteList>();
        const auto data = std::make_unique<TSearchData>(form->City);
        const auto work = std::make_unique<TSearchWork>();
        QStringList entries;
        for (const std::string& e : RunSearchCommand(form->City, *data, *work, *list, request).Entries)
            entries << QString::fromStdString(e);
        return entries;
    }
    std::unique_ptr<TOptionsDlg> Dialog() { return std::make_unique<TOptionsDlg>(*form, environment); }
};

TEST_F(OptionsTest, OutOfBoundsStoredValuesAreShownAndStoredWithinBounds) {
    AddCity();
    Store(kKharkiv, {{"TimeDiff", 40}, {"ChangesDiff", 0}});
    Started();
    ASSERT_EQ(form->Settings.TimeDiff, 40) << "the engine takes the stored value as it is";

    auto dialog = Dialog();
    EXPECT_EQ(dialog->SpinEdit1->value(), 25);
    EXPECT_EQ(dialog->SpinEdit2->value(), 1);
    dialog->OkBtnClick();
    EXPECT_EQ(form->Settings.TimeDiff, 25);
    EXPECT_EQ(form->Settings.ChangesDiff, 1);
    EXPECT_EQ(Stored(kKharkiv)["TimeDiff"], "25");
    EXPECT_EQ(Stored(kKharkiv)["ChangesDiff"], "1");
}

TEST_F(OptionsTest, ControlsStartFromTheSettingsInMemoryAndConfirmingStoresAllSeven) {
    AddCity();
    Store(kKharkiv, {{"FstStation", 12},
                     {"ShowPopUp", 0},
                     {"UseWaitTime", 0},
                     {"ShowOnlyOptimal", 0},
                     {"ArrangeByChanges", 1},
                     {"TimeDiff", 7},
                     {"ChangesDiff", 4}});
    Started();
    // A menu change in memory only is what the dialog starts from.
    form->N9->trigger();
    ASSERT_TRUE(form->Settings.ShowOnlyOptimal);

    auto dialog = Dialog();
    EXPECT_FALSE(dialog->CheckBox1->isChecked());
    EXPECT_FALSE(dialog->CheckBox2->isChecked());
    EXPECT_TRUE(dialog->CheckBox3->isChecked());
    EXPECT_EQ(dialog->RadioGroup2->ItemIndex(), 1);
    EXPECT_EQ(dialog->SpinEdit1->value(), 7);
    EXPECT_EQ(dialog->SpinEdit2->value(), 4);
    EXPECT_EQ(dialog->ComboBox->currentText(), "Холодная гора");
    EXPECT_EQ(dialog->ComboBox->count(), form->ComboBox1->count());

    dialog->CheckBox1->setChecked(true);
    dialog->CheckBox2->setChecked(true);
    dialog->CheckBox3->setChecked(false);
    dialog->RadioGroup2->SetItemIndex(0);
    dialog->SpinEdit1->setValue(12);
    dialog->SpinEdit2->setValue(2);
    dialog->ComboBox->setCurrentIndex(ListIndex("Героев труда"));
    dialog->OkBtnClick();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    const std::map<QString, QString> expected{{"FstStation", QString::number(Station("Героев труда"))},
                                              {"ShowPopUp", "1"},
                                              {"UseWaitTime", "1"},
                                              {"ShowOnlyOptimal", "0"},
                                              {"ArrangeByChanges", "0"},
                                              {"TimeDiff", "12"},
                                              {"ChangesDiff", "2"}};
    EXPECT_EQ(Stored(kKharkiv), expected);
    EXPECT_FALSE(UserSettings().contains("CityFileName")) << "no city switch, no city file stored";
    // The menus and the time-of-day switch follow.
    EXPECT_TRUE(form->N3->isChecked());
    EXPECT_FALSE(form->N9->isChecked());
    EXPECT_TRUE(form->N6->isChecked());
    EXPECT_FALSE(form->N7->isChecked());
    EXPECT_TRUE(form->DayRadioButton->isEnabled());
    EXPECT_TRUE(form->EvRadioButton->isEnabled());
}

TEST_F(OptionsTest, WithoutAListedStationTheStoredOneStays) {
    AddCity();
    // Station 1 is not in operation, so the list has nothing to select.
    Store(kKharkiv, {{"FstStation", 1}});
    Started();
    auto dialog = Dialog();
    EXPECT_EQ(dialog->ComboBox->currentIndex(), -1);
    dialog->OkBtnClick();
    EXPECT_EQ(form->Settings.FstStation, 1);
    EXPECT_EQ(Stored(kKharkiv)["FstStation"], "1");

    // Nor does clearing the choice by hand send station 0 anywhere.
    form->Settings.FstStation = Station("Госпром");
    auto cleared = Dialog();
    cleared->ComboBox->setCurrentIndex(-1);
    cleared->OkBtnClick();
    EXPECT_EQ(Stored(kKharkiv)["FstStation"], QString::number(Station("Госпром")));
}

TEST_F(OptionsTest, SpinFieldsTakeAnyNumberAndBringItWithinBoundsWhenLeft) {
    AddCity();
    Started();
    auto dialog = Dialog();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->PageControl1->setCurrentIndex(1);
    const auto type = [&](TSpinEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    };

    type(dialog->SpinEdit1, "40");
    EXPECT_EQ(dialog->SpinEdit1->text(), "40") << "typing is not refused";
    dialog->SpinEdit2->setFocus();
    EXPECT_EQ(dialog->SpinEdit1->text(), "25");
    EXPECT_EQ(dialog->SpinEdit1->value(), 25);

    type(dialog->SpinEdit2, "0");
    dialog->SpinEdit1->setFocus();
    EXPECT_EQ(dialog->SpinEdit2->value(), 1);

    type(dialog->SpinEdit2, "4x");
    EXPECT_EQ(dialog->SpinEdit2->text(), "4") << "only whole numbers are accepted";
    type(dialog->SpinEdit2, "");
    dialog->SpinEdit1->setFocus();
    EXPECT_EQ(dialog->SpinEdit2->value(), 1) << "no number counts as the lower bound";

    type(dialog->SpinEdit2, "99999999999999999999");
    dialog->SpinEdit1->setFocus();
    EXPECT_EQ(dialog->SpinEdit2->value(), 5) << "a number too long to hold is still above the bounds";

    // Confirmed while the field still has the focus: the typed text counts, brought within bounds.
    type(dialog->SpinEdit1, "30");
    dialog->OkBtnClick();
    EXPECT_EQ(form->Settings.TimeDiff, 25);
}

TEST_F(OptionsTest, OneModuleDisablesTheCityChooser) {
    AddCity("kharkiv.tnd");
    Started();
    auto dialog = Dialog();
    EXPECT_FALSE(dialog->ComboBox1->isEnabled());
    ASSERT_EQ(dialog->ComboBox1->count(), 1);
    EXPECT_EQ(dialog->ComboBox1->currentIndex(), 0);
}

TEST_F(OptionsTest, TheChooserListsEveryModuleAndSelectsTheCurrentOne) {
    AddModule("kharkiv.tnd", "kharkiv.tnd");
    AddModule("spb.tnd", "spb.tnd");
    StoreCityFileName("spb.tnd");
    Started();
    auto dialog = Dialog();
    EXPECT_TRUE(dialog->ComboBox1->isEnabled());
    ASSERT_EQ(dialog->ComboBox1->count(), 2);
    // Versions: FileVersion "." CityVersion of each city's source.
    EXPECT_EQ(dialog->ComboBox1->itemText(0), QString::fromUtf8(" Хаpьков - v.1.2 ( kharkiv.tnd )"));
    EXPECT_EQ(dialog->ComboBox1->itemText(1), QString::fromUtf8(" Санкт-Петербург - v.1.1 ( spb.tnd )"));
    EXPECT_EQ(dialog->ComboBox1->currentIndex(), 1) << "the loaded city";
}

TEST_F(OptionsTest, CitySwitchStoresTheOldCitysSettingsAndLoadsTheNewCitysStoredOnes) {
    AddModule("kharkiv.tnd", "kharkiv.tnd");
    AddModule("spb.tnd", "spb.tnd");
    StoreCityFileName("kharkiv.tnd");
    Store(kSpb, {{"TimeDiff", 7}, {"ShowPopUp", 0}});
    Started();
    ASSERT_EQ(form->City.CityCode, kKharkiv);

    auto dialog = Dialog();
    dialog->SpinEdit1->setValue(15);
    dialog->CheckBox3->setChecked(false);
    dialog->ComboBox1->setCurrentIndex(1);
    dialog->OkBtnClick();
    EXPECT_FALSE(dialog->CityLoadFailed());

    // The edited values went to the city that was open.
    EXPECT_EQ(Stored(kKharkiv)["TimeDiff"], "15");
    EXPECT_EQ(Stored(kKharkiv)["ShowOnlyOptimal"], "0");
    EXPECT_EQ(UserSettings().value("CityFileName").toString(), "spb.tnd");
    // The new city's group is untouched and in effect, with defaults for the rest.
    EXPECT_EQ(Stored(kSpb), (std::map<QString, QString>{{"ShowPopUp", "0"}, {"TimeDiff", "7"}}));
    EXPECT_EQ(form->CurrentCityFile, "spb.tnd");
    EXPECT_EQ(form->City.CityCode, kSpb);
    EXPECT_EQ(form->Settings.TimeDiff, 7);
    EXPECT_FALSE(form->Settings.ShowPopUp);
    EXPECT_TRUE(form->Settings.ShowOnlyOptimal);
    EXPECT_TRUE(form->N9->isChecked());
    EXPECT_EQ(form->Settings.FstStation, 1) << "a stored group without FstStation gives station 1";
    EXPECT_EQ(form->StartStation, 1);
    EXPECT_TRUE(form->CaptionText().contains("Санкт-Петербург"));
    EXPECT_EQ(form->ComboBox1->findText("Холодная гора"), -1) << "the lists hold the new city";
    EXPECT_TRUE(form->CityModuleHandle != nullptr);
}

TEST_F(OptionsTest, AModuleWhoseFileNameIsNoUtf8IsChosenStoredAndFoundAgain) {
    const std::string name = "\xCF\xE8\xF2\xE5\xF0.tnd";  // "Питер" in Windows-1251
    AddModule("kharkiv.tnd", "kharkiv.tnd");
    AddModule("spb.tnd", name);
    StoreCityFileName("kharkiv.tnd");
    Started();
    auto dialog = Dialog();
    ASSERT_EQ(form->Catalog.at(1).FileName, name);
    dialog->ComboBox1->setCurrentIndex(1);
    dialog->OkBtnClick();
    EXPECT_EQ(form->City.CityCode, kSpb);
    EXPECT_EQ(StoredCityFileName(), name);

    dialog.reset();  // it belongs to the window that the next start closes
    environment.Messages.clear();
    Started();
    EXPECT_EQ(form->CurrentCityFile, name);
    EXPECT_EQ(form->City.CityCode, kSpb);
    EXPECT_TRUE(environment.Messages.empty());
}

TEST_F(OptionsTest, SettingsThatCannotBeStoredAreToldKeptInEffectAndNothingIsLost) {
    AddModule("kharkiv.tnd", "kharkiv.tnd");
    Started();
    const std::filesystem::path file = SettingsLocation();
    ClearUserSettings();
    // A folder where the settings file belongs: the store cannot write it.
    std::filesystem::create_directories(file / "kept");
    auto dialog = Dialog();
    dialog->SpinEdit1->setValue(17);
    environment.Messages.clear();
    dialog->OkBtnClick();
    ASSERT_EQ(environment.Messages.size(), 1u);
    EXPECT_EQ(environment.Messages[0], "Настройки не сохранены: " + file.string() +
                                           " — на месте файла находится каталог.\r\n"
                                           "Выбранные значения действуют до закрытия программы.");
    EXPECT_EQ(form->Settings.TimeDiff, 17) << "in effect for this session";
    EXPECT_TRUE(std::filesystem::is_directory(file / "kept")) << "nothing of what was there is lost";
    std::filesystem::remove_all(file);
}

TEST_F(OptionsTest, ConfirmingTheCityOfAFallBackStoresItAndAnEmptyChoiceIsNoChoice) {
    AddModule("kharkiv.tnd", "a.tnd");
    AddModule("spb.tnd", "b.tnd");
    StoreCityFileName("gone.tnd");
    Started();
    ASSERT_EQ(environment.Messages.size(), 1u) << "the fall-back is told";
    ASSERT_EQ(form->CurrentCityFile, "a.tnd");
    Dialog()->OkBtnClick();
    EXPECT_EQ(StoredCityFileName(), "a.tnd");
    environment.Messages.clear();
    Started();
    EXPECT_TRUE(environment.Messages.empty()) << "repaired: the next start opens it at once";

    StoreCityFileName("");
    EXPECT_FALSE(StoredCityFileName());
    Started();
    EXPECT_TRUE(environment.Messages.empty());
    EXPECT_EQ(form->CurrentCityFile, "a.tnd") << "the first listed, as with nothing stored";
}

TEST_F(OptionsTest, TheChooserListsEveryShippedCityAndSwitchesToEachWithItsScheme) {
    const auto shipped = ScanCityModules(TUNNEX_PROGRAM_DIR);
    for (const TCatalogEntry& entry : shipped) AddModule(entry.FileName, entry.FileName);
    Started();
    ASSERT_EQ(form->Catalog.size(), shipped.size());
    EXPECT_GE(shipped.size(), 14u) << "every city of the name table";
    for (std::size_t i = 0; i < shipped.size(); ++i) {
        auto dialog = Dialog();
        ASSERT_EQ(dialog->ComboBox1->count(), static_cast<int>(shipped.size()));
        dialog->ComboBox1->setCurrentIndex(static_cast<int>(i));
        dialog->OkBtnClick();
        EXPECT_EQ(form->CurrentCityFile, shipped[i].FileName);
        EXPECT_EQ(form->City.CityCode, shipped[i].CityCode) << shipped[i].FileName;
        EXPECT_EQ(form->Bitmaps.SchemeBitmap.size(), QSize(591, 575)) << shipped[i].FileName;
        EXPECT_TRUE(form->CaptionText().contains(QString::fromStdString(shipped[i].CityName)));
    }
    EXPECT_TRUE(environment.Messages.empty());
}

TEST_F(OptionsTest, ConfirmingACityWhoseModulesAreGoneReportsAndFails) {
    AddModule("kharkiv.tnd", "a.tnd");
    AddModule("spb.tnd", "b.tnd");
    StoreCityFileName("a.tnd");
    Started();
    environment.OnDialog = [&](QDialog& d) {
        auto& dialog = dynamic_cast<TOptionsDlg&>(d);
        dialog.ComboBox1->setCurrentIndex(1);
        std::filesystem::remove(Folder() / "a.tnd");
        std::filesystem::remove(Folder() / "b.tnd");
        dialog.OkBtn->click();
        EXPECT_TRUE(dialog.CityLoadFailed());
        return dialog.result();
    };
    form->N5->trigger();
    EXPECT_EQ(environment.DialogsShown, 1);
    ASSERT_EQ(environment.Messages.size(), 2u) << "the chosen file, then the first listed one";
    EXPECT_NE(environment.Messages[0].find("b.tnd"), std::string::npos);
    EXPECT_NE(environment.Messages[1].find("a.tnd"), std::string::npos);
    EXPECT_EQ(form->AnimationPause.Depth(), 0);
}

TEST_F(OptionsTest, CancellingChangesNothingButTheSearchRunsAgain) {
    AddCity();
    Started();
    form->SetEndpoints(12, 9);
    const TCitySettings before = form->Settings;
    const long pauses = form->AnimationPause.PauseCount();
    environment.OnDialog = [&](QDialog& d) {
        auto& dialog = dynamic_cast<TOptionsDlg&>(d);
        EXPECT_TRUE(form->RadioGroup1->isHidden()) << "the route list is hidden while the dialog is open";
        EXPECT_TRUE(form->AnimationPause.Paused());
        dialog.CheckBox1->setChecked(!before.ShowPopUp);
        dialog.CheckBox2->setChecked(!before.UseWaitTime);
        dialog.SpinEdit1->setValue(3);
        dialog.RadioGroup2->SetItemIndex(1);
        dialog.CancelBtn->click();
        return dialog.result();
    };
    form->N5->trigger();
    EXPECT_EQ(environment.DialogsShown, 1);
    EXPECT_EQ(form->Settings.TimeDiff, before.TimeDiff);
    EXPECT_EQ(form->Settings.ShowPopUp, before.ShowPopUp);
    EXPECT_EQ(form->Settings.UseWaitTime, before.UseWaitTime);
    EXPECT_EQ(form->Settings.ArrangeByChanges, before.ArrangeByChanges);
    EXPECT_TRUE(UserSettings().allKeys().isEmpty()) << "nothing stored";
    EXPECT_FALSE(form->RadioGroup1->isHidden());
    EXPECT_EQ(Entries(), Expected());
    EXPECT_EQ(form->AnimationPause.PauseCount(), pauses + 1);
    EXPECT_EQ(form->AnimationPause.Depth(), 0);
}

TEST_F(OptionsTest, ConfirmedSettingsTakeEffectInTheSearchAtOnce) {
    AddCity();
    Started();
    form->SetEndpoints(12, 9);
    environment.OnDialog = [&](QDialog& d) {
        auto& dialog = dynamic_cast<TOptionsDlg&>(d);
        dialog.CheckBox2->setChecked(false);  // no waiting: two routes, 13 and 17 minutes
        dialog.CheckBox3->setChecked(false);
        dialog.OkBtn->click();
        return dialog.result();
    };
    form->N5->trigger();
    EXPECT_FALSE(form->N3->isChecked());
    EXPECT_FALSE(form->DayRadioButton->isEnabled());
    EXPECT_EQ(Entries(), Expected());
    EXPECT_GE(Entries().size(), 2);
}

TEST_F(OptionsTest, EveryControlOffersItsHelpTopic) {
    AddCity();
    Started();
    auto dialog = Dialog();
    QString error;
    const auto help = THelpFile::Load(TUNNEX_HELP_FILE, error);
    ASSERT_TRUE(help) << error.toStdString();
    const std::vector<std::pair<QWidget*, int>> controls{
        {dialog->ComboBox, 2031},  {dialog->CheckBox1, 2032}, {dialog->CheckBox2, 2033},   {dialog->SpinEdit1, 2034},
        {dialog->SpinEdit2, 2035}, {dialog->ComboBox1, 2036}, {dialog->RadioGroup2, 2037}, {dialog->CheckBox3, 2038},
        {dialog->OkBtn, 2040},     {dialog->CancelBtn, 2041}};
    for (const auto& [control, topic] : controls) {
        emit control->customContextMenuRequested(QPoint(2, 2));
        dialog->PopupMenu1->hide();
        dialog->PopupMenu1->actions().front()->trigger();
        EXPECT_EQ(environment.ContextHelp.back(), topic);
        EXPECT_EQ(environment.ContextHelpControl, control);
        // The "?" button shows the same text.
        EXPECT_TRUE(control->whatsThis().contains(help->Find(topic)->Title.toHtmlEscaped())) << topic;
    }
    EXPECT_EQ(dialog->PopupMenu1->actions().front()->text(), "Что это такое?");

    // "?" lets the next click on a control show its text.
    dialog->HelpBtn->click();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

}  // namespace
}  // namespace tnx::ui::test
