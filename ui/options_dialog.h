// The options dialog: the loaded city's settings and the choice of city.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/search_settings.h"
#include "model/city_tables.h"
#include "shell/app_state.h"
#include "shell/module_catalog.h"
#include "shell/settings_store.h"
#include "ui/station_combo.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace tnx::ui {

class TFormEnvironment;
class TRadioGroup;
class TSpinEdit;

// The options dialog offers at most this many transfers.
inline constexpr int kMaxChangesOffered = 5;

// An entry of the main window's station list.
struct TStationEntry {
    QString Name;  // the stored name, in UTF-8
    int Station = 0;
};

// What the dialog edits and offers, handed to it by its owner.
struct TOptionsInput {
    TCitySettings Settings;
    const TCity* City = nullptr;  // the loaded city: the stations the list names
    std::vector<TStationEntry> Stations;
    std::vector<TCatalogEntry> Catalog;
    std::string CurrentCityFile;
    // How the owner draws a station entry and finds the entries a typed text names.
    TStationComboBox::TDrawItem DrawItem;
    TStationComboBox::TMatchItems MatchItems;
};

// What the owner made of a confirmed choice.
struct TOptionsApplied {
    std::vector<TStoreFailure> Failures;  // told by the dialog; empty texts where stored
    bool CityLoadFailed = false;          // neither the chosen city nor the first listed opened
};

// Confirming hands the choice to the owner, which stores and applies it before the dialog closes.
using TOptionsConfirm = std::function<TOptionsApplied(const TOptionsChoice& choice)>;

class TOptionsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 391;
    static constexpr int kClientHeight = 344;
    static constexpr int kMaxCityEntries = 256;

    TOptionsDlg(QWidget* owner, TFormEnvironment& environment, TOptionsInput input, TOptionsConfirm confirm);

    // The chooser's text for one module: " Харьков - v.1.6 ( kharkiv.tnd )".
    static QString CityEntryText(const std::string& cityName, const std::string& version, const std::string& fileName);

    void OkBtnClick();
    // The choice confirmed; empty while the dialog is not confirmed.
    const std::optional<TOptionsChoice>& Choice() const { return choice_; }
    // Confirming switched to a city that could not be loaded, nor the first listed one.
    bool CityLoadFailed() const { return cityLoadFailed_; }

    QTabWidget* PageControl1;
    QCheckBox* CheckBox1;
    TRadioGroup* RadioGroup2;
    TStationComboBox* ComboBox;
    TSpinEdit* SpinEdit2;
    TSpinEdit* SpinEdit1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QComboBox* ComboBox1;
    QLabel* CityNote;
    QPushButton* HelpBtn;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QMenu* PopupMenu1;

private:
    void FormCreate();
    void CreateControls();
    QWidget* CreateGeneralTab();
    QWidget* CreateAlgorithmTab();
    QWidget* CreateCityTab();
    void SetHelp(QWidget* control, int topic);
    TOptionsChoice ChoiceFromControls() const;

    TFormEnvironment& environment_;
    const TOptionsInput input_;
    TOptionsConfirm confirm_;
    std::optional<TOptionsChoice> choice_;
    QWidget* contextMenuControl_ = nullptr;
    bool cityLoadFailed_ = false;
};

}  // namespace tnx::ui
