// The main window: caption bar, station lists, found routes and the scheme.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/route.h"
#include "engine/search_data.h"
#include "engine/search_settings.h"
#include "engine/search_work.h"
#include "model/city_tables.h"
#include "model/station_set.h"
#include "shell/city_module.h"
#include "shell/module_catalog.h"
#include "ui/animation_pause.h"
#include "ui/blinking_line.h"
#include "ui/map_bitmaps.h"
#include "ui/station_hit_grid.h"
#include "ui/station_watcher.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;

namespace tnx::ui {

// The options dialog offers at most this many transfers.
inline constexpr int kMaxChangesOffered = 5;

// The route list's entry text of every time and transfer count the options allow.
QStringList EveryRouteEntryText();

class TFormEnvironment;
class TImage;
class TMenuPanel;
class TRadioGroup;
class TRouteCard;
class TSplashForm;
class TStationComboBox;
class TStationHint;

inline constexpr const char* kScreenTooSmallMessage =
    "Для работы программы требуется разрешение экрана не менее 800x600";
inline constexpr const char* kNoCityModuleMessage =
    "Не найдено ни одного файла данных.\r\nДальнейшая работа программы невозможна.\r\n\r\n"
    "Файлы данных (*.tnd) должны находиться в каталоге программы";

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 800;
    static constexpr int kClientHeight = 600;
    static constexpr int kCaptionHeight = 23;
    static constexpr int kExitNoCityModule = 5;
    static constexpr int kExitNoLoadableCity = 4;

    // programDirectory is where the city modules lie; environment outlives the window.
    TForm1(std::filesystem::path programDirectory, TFormEnvironment& environment);
    ~TForm1() override;

    // The start-up sequence. Empty when the message loop is to run; otherwise the
    // process's exit code (a screen too narrow gives 0 after its message).
    std::optional<int> FormCreate();
    void FormClose();

    // City catalog and loader.
    bool LoadCity(const std::string& fileName);
    void ReadCitySettings();
    std::string CityInfoText() const;

    // Endpoints and routes.
    void SetEndpoints(std::uint8_t start, std::uint8_t finish);
    void ShowRoutes();
    void ShowCityInfo();

    // Handlers.
    void ComboBoxDrawItem(QPainter& painter, const QRect& rect, const QString& itemText, bool selected,
                          const QPalette& palette);
    void ComboBox1Change();
    // An entry taken from a list with Enter or a click: applied at once.
    void StationChosen();
    // Start and end change places and the routes are searched at once.
    void SwapButtonClick();
    void RadioGroup1Click();
    void DayRadioButtonClick();
    void EvRadioButtonClick();
    void N3Click();
    void N9Click();
    void N6Click();
    void N7Click();
    void OptionsClick();
    void InfoClick();
    void AboutClick();
    void N2Click();
    void CloseButtonClick();
    void MenuPanel1Click();
    void MenuPanel2Click();
    void MenuPanel3Click();
    void Image3MouseDown(QMouseEvent* event);
    void Image3MouseMove(QMouseEvent* event);
    void MoveFromWindowMenu();
    void Image5MouseUp(QMouseEvent* event);
    void FormActivate();
    void FormDeactivate();

    // The stations a text typed into a list names, best first.
    std::vector<int> StationsNamed(const QString& typed) const;

    // The text of the caption bar: "Tunnex v2.20.3 - [ Москва ]".
    QString CaptionText() const;

    // Controls.
    QWidget* Panel1 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image5 = nullptr;
    TMenuPanel* MenuPanel1 = nullptr;
    TMenuPanel* MenuPanel2 = nullptr;
    TMenuPanel* MenuPanel3 = nullptr;
    QWidget* Panel2 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QMenu* PopupMenu3 = nullptr;
    QMenu* WindowMenu = nullptr;
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N9 = nullptr;
    QAction* N6 = nullptr;
    QAction* N7 = nullptr;
    QAction* N5 = nullptr;
    QAction* Info = nullptr;
    QAction* About = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image4 = nullptr;
    TStationComboBox* ComboBox1 = nullptr;
    TStationComboBox* ComboBox2 = nullptr;
    QToolButton* SwapButton = nullptr;
    QRadioButton* DayRadioButton = nullptr;
    QRadioButton* EvRadioButton = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TRouteCard* RouteCard = nullptr;  // the chosen route step by step, over the map
    QLabel* Label1 = nullptr;
    QFrame* Panel4 = nullptr;
    QPushButton* CloseButton = nullptr;
    QWidget* Panel3 = nullptr;
    TImage* Image1 = nullptr;
    TStationHint* StationHint = nullptr;
    TSplashForm* SplashForm = nullptr;

    // The loaded city and what the user has chosen.
    TCity City;
    TCitySettings Settings;
    std::uint8_t StartStation = 0;
    std::uint8_t EndStation = 0;
    bool SearchRunning = false;
    TStationSet ShownRouteStations{};
    TStationSet ShownRouteTransfers{};
    TAnimationPause AnimationPause;
    TMapBitmaps Bitmaps;

    // Catalog and start-up state.
    std::vector<TCatalogEntry> Catalog;
    std::string CurrentCityFile;
    std::unique_ptr<CityModule> CityModuleHandle;
    std::string ProgramVersionText;
    std::string ProgramBuildText;
    bool FirstRun = false;
    int OperatingStations = 0;
    std::string CityVersionText;

    // The living map: pointer on the scheme, route animation, list watcher.
    void BuildStationHitGrid();
    void Image1MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DrawRouteFrame();
    void ShowRouteFrame();
    void ShowPlainFrame();
    // The watcher's update: both listed stations, unless a list is dropped down.
    void ApplyStationLists();
    TStationHitGrid StationHitGrid;
    std::uint8_t LastHintStation = 0;
    // Station lists changed by the user and not yet applied.
    TStationChangeState StationChange;
    std::unique_ptr<TBlinkingLine> BlinkingLine;
    std::unique_ptr<TCheckStationsChanged> CheckStationsChanged;

    // The ranked routes of the last search.
    const TRouteList& Routes() const { return *routes_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateCaptionBar();
    void CreateControlPanel();
    void CreateMenus();
    void GaugeStep();
    void ErrorMessage(const std::string& text);
    void SetSplashStatus(const QString& text);
    void FillStationLists();
    void ResetMap();
    void ShowContextMenu(QWidget* control, const QPoint& position);
    void DrawCaption(const char* resource, const QColor& textColour);
    void SetCaptionButtonColours(const QColor& colour, const QColor& glyph);
    std::uint8_t ListedStation(const TStationComboBox* box) const;
    void ShowInList(TStationComboBox* box, std::uint8_t station);
    void ConnectMap();
    void ShowStationHint(std::uint8_t station, int x, int y);
    void StartThreads();
    void StopThreads();

    std::filesystem::path programDirectory_;
    TFormEnvironment& environment_;
    std::unique_ptr<TRouteList> routes_;
    std::unique_ptr<TSearchWork> searchWork_;
    std::unique_ptr<TSearchData> searchData_;  // City's, built anew at every load
    QWidget* contextMenuControl_ = nullptr;
    bool closed_ = false;
    // Dragging by the caption picture.
    bool dragging_ = false;
    bool systemMove_ = false;
    bool menuMove_ = false;  // "Переместить": the window follows the pointer until a click
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint dragStart_;
    QPoint windowStart_;
};

}  // namespace tnx::ui
