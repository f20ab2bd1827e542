#include "form_fixture.h"

#include <QFile>
#include <QRadioButton>
#include <QtTest/QTest>
#include <fstream>

#include "engine/search_command.h"
#include "engine/search_data.h"
#include "engine/search_work.h"
#include "model/cp1251.h"
#include "model/lookups.h"
#include "ui/splash_form.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {

void TRecordingEnvironment::ErrorBox(QWidget* parent, const std::string& text) {
    Messages.push_back(text);
    if (const auto* form = dynamic_cast<TForm1*>(parent); form && form->SplashForm && form->SplashForm->isVisible())
        ++MessagesOverSplash;
}

QSettings UserSettings() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex"); }

void ClearUserSettings() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex");
    s.clear();
    s.sync();
    QFile::remove(s.fileName());
}

void FormTest::SetUp() {
    ClearUserSettings();
    folder_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(folder_->isValid());
}

void FormTest::TearDown() {
    if (form) form->close();
    form.reset();
    ClearUserSettings();
}

std::filesystem::path FormTest::Folder() const { return folder_->path().toStdString(); }

void FormTest::AddCity(const std::string& as) {
    std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / "kharkiv.tnd", Folder() / as);
}

void FormTest::AddFake(const std::string& fake, const std::string& as) {
    std::filesystem::copy_file(std::filesystem::path(TUNNEX_TEST_MODULE_DIR) / fake, Folder() / as);
}

void FormTest::AddJunk(const std::string& as) { std::ofstream(Folder() / as) << "not a module"; }

std::optional<int> FormTest::Start() {
    if (form) form->close();
    form = std::make_unique<TForm1>(Folder(), environment);
    return form->FormCreate();
}

TForm1& FormTest::Started() {
    const auto code = Start();
    EXPECT_FALSE(code.has_value()) << "exit code " << code.value_or(-1);
    return *form;
}

std::uint8_t FormTest::Station(const std::string& name) const {
    return FindStationByName(form->State().City, *Utf8ToCp1251(name));
}

int FormTest::ListIndex(const std::string& name) const {
    return form->ComboBox1->findText(QString::fromStdString(name));
}

QStringList FormTest::SearchedEntries() const {
    const TAppState& state = form->State();
    TSearchRequest request;
    request.StartStation = state.StartStation;
    request.EndStation = state.EndStation;
    request.Settings = state.Settings;
    request.DayChecked = form->DayRadioButton->isChecked();
    request.EveningChecked = form->EvRadioButton->isChecked();
    TCity city = state.City;
    auto list = std::make_unique<TRouteList>();
    const auto data = std::make_unique<TSearchData>(city);
    const auto work = std::make_unique<TSearchWork>();
    QStringList entries;
    for (const std::string& e : RunSearchCommand(city, *data, *work, *list, request).Entries)
        entries << QString::fromStdString(e);
    return entries;
}

void ShownFormTest::SetUp() {
    FormTest::SetUp();
    AddCity();
    Started();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

}  // namespace tnx::ui::test
