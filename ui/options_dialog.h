// The options dialog: the loaded city's settings and the choice of city.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace tnx::ui {

class TForm1;
class TFormEnvironment;
class TRadioGroup;
class TSpinEdit;
class TStationComboBox;

class TOptionsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 391;
    static constexpr int kClientHeight = 344;
    static constexpr int kMaxCityEntries = 256;

    TOptionsDlg(TForm1& owner, TFormEnvironment& environment);

    // The chooser's text for one module: " Харьков - v.1.6 ( kharkiv.tnd )".
    static QString CityEntryText(const std::string& cityName, const std::string& version, const std::string& fileName);

    void OkBtnClick();
    // Confirming switched to a city that could not be loaded, nor the first listed one.
    bool CityLoadFailed() const { return cityLoadFailed_; }
    const std::string& CityFileAtOpen() const { return cityFileAtOpen_; }

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

    TForm1& owner_;
    TFormEnvironment& environment_;
    std::string cityFileAtOpen_;
    QWidget* contextMenuControl_ = nullptr;
    bool cityLoadFailed_ = false;
};

}  // namespace tnx::ui
