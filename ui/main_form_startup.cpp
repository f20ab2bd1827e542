// Start-up, the city loader and shut-down of the main window.
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cstdio>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/city_choice.h"
#include "shell/city_names.h"
#include "shell/city_session.h"
#include "shell/platform/keyboard_layout.h"
#include "shell/program_version.h"
#include "shell/settings_store.h"
#include "ui/form_environment.h"
#include "ui/image_control.h"
#include "ui/main_form.h"
#include "ui/splash_form.h"
#include "ui/station_combo.h"
#include "ui/station_hint.h"
#include "ui/window_place.h"

namespace tnx::ui {
namespace {

constexpr int kSplashPauseMs = 50;
constexpr int kFirstStartHelpTopic = 1010;

}  // namespace

std::optional<int> TForm1::FormCreate() {
    setWindowIcon(QIcon(":/tunnex/1ICO"));
    QApplication::setWindowIcon(QIcon(":/tunnex/BICON"));
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            FormActivate();
        else
            FormDeactivate();
    });

    City.CityCode = 1;
    Catalog.clear();
    CurrentCityFile.clear();
    FirstRun = false;

    const TProgramVersion version = SplitVersionText(GetFileVersionText());
    ProgramVersionText = version.Version;
    ProgramBuildText = version.Build;

    if (!NoSplashPresent()) {
        SplashForm =
            new TSplashForm(this, QString::fromStdString(ProgramVersionText), QString::fromStdString(ProgramBuildText));
        SplashForm->show();
        QCoreApplication::processEvents();
    }
    GaugeStep();

    setFixedSize(kWidth, kClientHeight + 1);
    const int screenWidth = environment_.ScreenWidth();
    bool screenTooNarrow = false;
    if (screenWidth < kWidth) {
        ErrorMessage(kScreenTooSmallMessage);
        setFixedSize(0, 0);
        screenTooNarrow = true;  // the remaining steps still run; the loop is never entered
    } else if (screenWidth == kWidth) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        setFixedSize(kWidth, kClientHeight);
    }
    // A window as wide as the screen stays on top and covers all of it.
    if (!screenTooNarrow)
        move(MainWindowPlace(screenWidth == kWidth ? environment_.ScreenArea() : environment_.UsableScreen(), size()));
    GaugeStep();

    TScanOptions scan;
    scan.FileOpened = [this](const std::string& fileName) {
        if (SplashForm == nullptr) return;
        SetSplashStatus(QString::fromStdString(fileName));
        environment_.Wait(kSplashPauseMs);
        QCoreApplication::processEvents();
    };
    scan.FirstFileDone = [this] { GaugeStep(); };
    // A refused file is left out of the lists; say which and why, and tell the user
    // when no file is left at all.
    std::vector<TRefusedModule> refusals;
    scan.Refused = [&refusals](const std::string& fileName, const std::string& reason) {
        refusals.push_back({fileName, reason});
        std::fprintf(stderr, "%s\n", RefusalLine(fileName, reason).c_str());
    };
    Catalog = ScanCityModules(programDirectory_, scan);
    GaugeStep();

    if (Catalog.empty()) {
        if (!refusals.empty()) ErrorMessage(RefusedModulesMessage(refusals));
        ErrorMessage(kNoCityModuleMessage);
        return kExitNoCityModule;
    }
    if (SplashForm != nullptr) {
        SetSplashStatus("Инициализация");
        environment_.Wait(kSplashPauseMs);
        QCoreApplication::processEvents();
    }
    GaugeStep();

    if (Catalog.size() == 1) CurrentCityFile = Catalog.front().FileName;
    GaugeStep();

    TStoreFailure firstTimeKept;
    FirstRun = TakeFirstTime(&firstTimeKept);
    if (!firstTimeKept.empty())
        ErrorMessage(firstTimeKept + "\r\nСправка для первого запуска откроется и при следующем запуске.");
    if (CurrentCityFile.empty()) CurrentCityFile = ChooseCurrentCityFile(Catalog, StoredCityFileName());
    GaugeStep();

    StationHint = new TStationHint(this, screenWidth);
    GaugeStep();

    Bitmaps.FrameBitmap = QImage(Image1->Picture().size(), QImage::Format_RGB32);
    GaugeStep();

    GaugeStep();  // the panels draw no background of their own

    if (!LoadCity(CurrentCityFile)) return kExitNoLoadableCity;
    GaugeStep();

    platform::ActivateRussianKeyboardLayout();
    GaugeStep();

    StartThreads();
    GaugeStep();

    if (StartStation == EndStation)
        ShowCityInfo();
    else
        Label1->setText(QString::fromStdString(CityInfoText()));
    if (SplashForm != nullptr) SplashForm->hide();
    if (isActiveWindow())
        FormActivate();
    else
        FormDeactivate();
    if (FirstRun) environment_.ShowHelp(kFirstStartHelpTopic);
    if (screenTooNarrow) return 0;
    return std::nullopt;
}

void TForm1::GaugeStep() {
    if (SplashForm == nullptr || !SplashForm->isVisible()) return;
    SplashForm->Gauge1->setValue(SplashForm->Gauge1->value() + 1);
    environment_.Wait(kSplashPauseMs);
}

// The splash screen stays on top; it steps aside so that the message can be read.
void TForm1::ErrorMessage(const std::string& text) {
    const bool splashShown = SplashForm != nullptr && SplashForm->isVisible();
    if (splashShown) SplashForm->hide();
    environment_.ErrorBox(this, text);
    if (splashShown) SplashForm->show();
}

void TForm1::SetSplashStatus(const QString& text) { SplashForm->Label2->setText(text); }

void TForm1::FormClose() {
    if (closed_) return;
    closed_ = true;
    // The lists stop drawing line icons once the module is gone.
    CityModuleHandle.reset();
    StopThreads();
    QCoreApplication::processEvents();
}

bool TForm1::LoadCity(const std::string& fileName) {
    TCityLoad load;
    std::vector<std::string> listed;
    for (const TCatalogEntry& entry : Catalog) listed.push_back(entry.FileName);
    const TCityOpenResult result = OpenCityOrFirstListed(
        programDirectory_, fileName, listed, City, load, [this](const std::string& message) { ErrorMessage(message); },
        [](const std::string& reason) { qWarning("%s", reason.c_str()); });
    if (result == TCityOpenResult::Failed) return false;

    // After a fall-back the current city file names the module actually loaded,
    // so that the catalog finds it.
    CurrentCityFile = load.FileName;
    CityModuleHandle = std::move(load.Module);
    City = load.Loaded.City;
    searchData_ = std::make_unique<TSearchData>(City);
    Settings.FstStation = load.Loaded.DefFirstStation;
    Settings.ChangesDiff = load.Loaded.MaxChanges;
    OperatingStations = load.Loaded.OperatingStations;
    CityVersionText =
        VersionText(load.Loaded.HasFileVersion ? std::optional<std::uint8_t>(load.Loaded.FileVersion) : std::nullopt,
                    load.Loaded.HasCityVersion ? std::optional<std::uint8_t>(load.Loaded.CityVersion) : std::nullopt);

    ReadCitySettings();
    StartStation = Settings.FstStation;
    EndStation = Settings.FstStation;

    Bitmaps.Assign(load.Pictures);

    if (City.IsNTime != 0) {
        DayRadioButton->setEnabled(Settings.UseWaitTime);
        EvRadioButton->setEnabled(Settings.UseWaitTime);
    } else {
        DayRadioButton->setEnabled(false);
        EvRadioButton->setEnabled(false);
    }

    FillStationLists();
    BuildStationHitGrid();
    ResetMap();
    return true;
}

void TForm1::ReadCitySettings() {
    Settings = tnx::ReadCitySettings(City.CityCode, City.NumOfStations, Settings.FstStation);
    N9->setChecked(Settings.ShowOnlyOptimal);
    N3->setChecked(Settings.UseWaitTime);
    N6->setChecked(!Settings.ArrangeByChanges);
    N7->setChecked(Settings.ArrangeByChanges);
}

void TForm1::FillStationLists() {
    ComboBox1->clear();
    ComboBox2->clear();
    struct TItem {
        QString Name;
        int Station;
    };
    std::vector<TItem> items;
    for (int n = 1; n <= City.NumOfStations; ++n) {
        const TStation& station = City.Station(static_cast<std::uint8_t>(n));
        if (station.InOperation == 0) continue;
        items.push_back({QString::fromStdString(Cp1251ToUtf8(StoredName(station))), n});
    }
    // Sorted as a reader of Russian expects, whatever the system's locale.
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(items.begin(), items.end(),
                     [&](const TItem& a, const TItem& b) { return collator.compare(a.Name, b.Name) < 0; });
    for (const TItem& item : items) {
        ComboBox1->addItem(item.Name, item.Station);
        ComboBox2->addItem(item.Name, item.Station);
    }

    int selected = -1;
    if (Settings.FstStation >= 1 && Settings.FstStation <= City.NumOfStations) {
        const QString first = QString::fromStdString(Cp1251ToUtf8(StoredName(City.Station(Settings.FstStation))));
        selected = ComboBox1->findText(first, Qt::MatchFixedString);  // letter case ignored
    }
    ComboBox1->setCurrentIndex(selected);
    ComboBox2->setCurrentIndex(selected);
}

void TForm1::ResetMap() {
    QImage& map = Image1->Picture();
    map.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&map);
        painter.drawImage(0, 0, Bitmaps.SchemeBitmap);
    }
    Image1->update();
    for (auto [legend, marker] : {std::pair{Image2, &Bitmaps.Flag1}, std::pair{Image4, &Bitmaps.Flag2A}}) {
        legend->Picture().fill(Qt::transparent);
        QPainter painter(&legend->Picture());
        painter.drawImage(0, 0, *marker);
        legend->update();
    }
}

std::string TForm1::CityInfoText() const {
    return tnx::CityInfoText({CityName(City.CityCode), City.NumOfLines, City.NumOfStations, OperatingStations,
                              CurrentCityFile, CityVersionText});
}

}  // namespace tnx::ui
