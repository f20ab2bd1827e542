#include "ui/options_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QWhatsThis>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/city_choice.h"
#include "ui/form_environment.h"
#include "ui/popup_menu.h"
#include "ui/radio_group.h"
#include "ui/spin_edit.h"
#include "ui/station_combo.h"

namespace tnx::ui {
namespace {

// Help topics of the dialog's controls.
constexpr int kHelpComboBox = 2031;
constexpr int kHelpCheckBox1 = 2032;
constexpr int kHelpCheckBox2 = 2033;
constexpr int kHelpSpinEdit1 = 2034;
constexpr int kHelpSpinEdit2 = 2035;
constexpr int kHelpComboBox1 = 2036;
constexpr int kHelpRadioGroup2 = 2037;
constexpr int kHelpCheckBox3 = 2038;
constexpr int kHelpDialog = 2039;
constexpr int kHelpOkBtn = 2040;
constexpr int kHelpCancelBtn = 2041;

constexpr int kCityDropDownCount = 4;
constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 8;
constexpr int kGroupWidth = 351;
constexpr int kGroupHeight = 238;

QGroupBox* TabGroup(QWidget* page, const QString& heading) {
    auto* group = new QGroupBox(heading, page);
    group->setGeometry(kGroupLeft, kGroupTop, kGroupWidth, kGroupHeight);
    return group;
}

QLabel* Label(const QString& text, QWidget* parent, const QRect& geometry, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | (wrap ? Qt::AlignTop : Qt::AlignVCenter));
    return label;
}

}  // namespace

TOptionsDlg::TOptionsDlg(QWidget* owner, TFormEnvironment& environment, TOptionsInput input, TOptionsConfirm confirm)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowContextHelpButtonHint),
      environment_(environment), input_(std::move(input)), confirm_(std::move(confirm)) {
    setWindowTitle("Настройка программы");
    if (owner != nullptr) setFont(owner->font());
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    FormCreate();
    if (const QScreen* s = owner != nullptr ? owner->screen() : screen())
        move(s->geometry().center() - rect().center());
}

QString TOptionsDlg::CityEntryText(const std::string& cityName, const std::string& version,
                                   const std::string& fileName) {
    return " " + QString::fromStdString(cityName) + " - v." + QString::fromStdString(version) + " ( " +
           QString::fromStdString(fileName) + " )";
}

void TOptionsDlg::CreateControls() {
    PopupMenu1 = new TPopupMenu(this);
    QAction* whatsThis =
        PopupMenu1->addAction(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton), "Что это такое?");
    connect(whatsThis, &QAction::triggered, this, [this] {
        if (contextMenuControl_ != nullptr)
            environment_.ShowContextHelp(contextMenuControl_, contextMenuControl_->property("HelpContext").toInt());
    });

    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(8, 8, 375, 292);
    PageControl1->addTab(CreateGeneralTab(), "Общие");
    PageControl1->addTab(CreateAlgorithmTab(), "Алгоритм");
    PageControl1->addTab(CreateCityTab(), "Город");
    SetHelp(PageControl1, kHelpDialog);

    // Window managers that draw no "?" in the caption still get one here.
    HelpBtn = new QPushButton("?", this);
    HelpBtn->setGeometry(8, 310, 25, 25);
    HelpBtn->setToolTip("Что это такое?");
    HelpBtn->setAutoDefault(false);
    SetHelp(HelpBtn, kHelpDialog);
    connect(HelpBtn, &QPushButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    OkBtn = new QPushButton("&Запомнить", this);
    OkBtn->setGeometry(216, 310, 80, 25);
    OkBtn->setDefault(true);
    SetHelp(OkBtn, kHelpOkBtn);
    connect(OkBtn, &QPushButton::clicked, this, &TOptionsDlg::OkBtnClick);

    CancelBtn = new QPushButton("&Отмена", this);
    CancelBtn->setGeometry(303, 310, 80, 25);
    CancelBtn->setAutoDefault(false);
    SetHelp(CancelBtn, kHelpCancelBtn);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TOptionsDlg::CreateGeneralTab() {
    auto* page = new QWidget;
    QGroupBox* group = TabGroup(page, "  Общие настройки  ");

    CheckBox1 = new QCheckBox("Выводить подсказки к станциям", group);
    CheckBox1->setGeometry(16, 26, 319, 20);
    SetHelp(CheckBox1, kHelpCheckBox1);

    RadioGroup2 = new TRadioGroup("  Сортировка найденных маршрутов  ", group);
    RadioGroup2->setGeometry(16, 56, 319, 74);
    RadioGroup2->AddItem("По времени поездки");
    RadioGroup2->AddItem("По количеству пересадок");
    SetHelp(RadioGroup2, kHelpRadioGroup2);

    Label("Станция по умолчанию", group, QRect(16, 144, 319, 18));
    ComboBox = new TStationComboBox(group);
    ComboBox->setGeometry(16, 164, 319, 22);
    ComboBox->SetDrawItem(input_.DrawItem);
    ComboBox->SetMatchItems(input_.MatchItems);
    SetHelp(ComboBox, kHelpComboBox);
    return page;
}

QWidget* TOptionsDlg::CreateAlgorithmTab() {
    auto* page = new QWidget;
    QGroupBox* group = TabGroup(page, "  Настройки алгоритма поиска  ");

    Label("Максимальное количество используемых пересадок :", group, QRect(16, 26, 228, 34), true);
    SpinEdit2 = new TSpinEdit(1, kMaxChangesOffered, group);
    SpinEdit2->setGeometry(250, 28, 48, 22);
    SetHelp(SpinEdit2, kHelpSpinEdit2);

    Label("Максимальная разница во времени между найденными маршрутами :", group, QRect(16, 70, 228, 34), true);
    SpinEdit1 = new TSpinEdit(1, 25, group);
    SpinEdit1->setGeometry(250, 72, 48, 22);
    SetHelp(SpinEdit1, kHelpSpinEdit1);
    Label("минут", group, QRect(304, 72, 44, 22));

    CheckBox2 = new QCheckBox("Учитывать время ожидания поезда на станциях", group);
    CheckBox2->setGeometry(16, 122, 325, 20);
    SetHelp(CheckBox2, kHelpCheckBox2);

    CheckBox3 = new QCheckBox("Вывод только оптимальных маршрутов", group);
    CheckBox3->setGeometry(16, 150, 325, 20);
    SetHelp(CheckBox3, kHelpCheckBox3);
    return page;
}

QWidget* TOptionsDlg::CreateCityTab() {
    auto* page = new QWidget;
    QGroupBox* group = TabGroup(page, "  Выбор города ");

    ComboBox1 = new QComboBox(group);
    ComboBox1->setGeometry(16, 28, 319, 22);
    ComboBox1->setStyleSheet("QComboBox { combobox-popup: 0; }");  // a list of 4 rows, not a menu
    ComboBox1->setMaxVisibleItems(kCityDropDownCount);
    SetHelp(ComboBox1, kHelpComboBox1);

    CityNote = Label(
        "Для того, что бы нужный вам город появился в списке, файл данных для этого города должен находиться в "
        "каталоге программы. При наличии только одного файла данных он подключается автоматически.",
        group, QRect(16, 64, 319, 90), true);
    return page;
}

void TOptionsDlg::SetHelp(QWidget* control, int topic) {
    control->setProperty("HelpContext", topic);
    control->setWhatsThis(environment_.HelpTopicText(topic));
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, [this, control](const QPoint& position) {
        contextMenuControl_ = control;
        PopupMenu1->popup(control->mapToGlobal(position));
    });
}

void TOptionsDlg::FormCreate() {
    const TCitySettings& s = input_.Settings;

    // The main window's start-station list, full names.
    for (const TStationEntry& entry : input_.Stations) ComboBox->addItem(entry.Name, entry.Station);
    int selected = -1;
    if (ComboBox->count() > 0 && input_.City != nullptr && s.FstStation >= 1 &&
        s.FstStation <= input_.City->NumOfStations) {
        const QString first = QString::fromStdString(Cp1251ToUtf8(StoredName(input_.City->Station(s.FstStation))));
        selected = ComboBox->findText(first, Qt::MatchFixedString);  // letter case ignored
    }
    ComboBox->setCurrentIndex(selected);

    CheckBox1->setChecked(s.ShowPopUp);
    CheckBox2->setChecked(s.UseWaitTime);
    CheckBox3->setChecked(s.ShowOnlyOptimal);
    SpinEdit1->setValue(s.TimeDiff);  // the field brings it within its bounds
    SpinEdit2->setValue(s.ChangesDiff);
    RadioGroup2->SetItemIndex(s.ArrangeByChanges ? 1 : 0);

    const std::size_t cities = std::min<std::size_t>(input_.Catalog.size(), kMaxCityEntries);
    for (std::size_t i = 0; i < cities; ++i) {
        const TCatalogEntry& entry = input_.Catalog[i];
        ComboBox1->addItem(CityEntryText(entry.CityName, entry.VersionText, entry.FileName));
    }
    const int current = CatalogIndex(input_.Catalog, input_.CurrentCityFile);
    ComboBox1->setCurrentIndex(current < static_cast<int>(cities) ? current : -1);
    ComboBox1->setEnabled(input_.Catalog.size() > 1);
}

TOptionsChoice TOptionsDlg::ChoiceFromControls() const {
    TOptionsChoice choice;
    TCitySettings& s = choice.Settings;
    s = input_.Settings;
    // Without a chosen station the stored one stays, so the search always gets a station.
    if (ComboBox->currentIndex() >= 0 && input_.City != nullptr)
        if (const auto name = Utf8ToCp1251(ComboBox->currentText().toStdString()))
            if (const std::uint8_t station = FindStationByName(*input_.City, *name); station != 0)
                s.FstStation = station;
    s.ShowPopUp = CheckBox1->isChecked();
    s.UseWaitTime = CheckBox2->isChecked();
    s.ArrangeByChanges = RadioGroup2->ItemIndex() == 1;
    s.ShowOnlyOptimal = CheckBox3->isChecked();
    s.TimeDiff = static_cast<std::uint8_t>(SpinEdit1->Value());
    s.ChangesDiff = static_cast<std::uint8_t>(SpinEdit2->Value());

    const int chosen = ComboBox1->currentIndex();
    if (chosen >= 0 && chosen < static_cast<int>(input_.Catalog.size()))
        choice.CityFile = input_.Catalog[static_cast<std::size_t>(chosen)].FileName;
    return choice;
}

void TOptionsDlg::OkBtnClick() {
    choice_ = ChoiceFromControls();
    // The owner stores the settings under the city loaded when the dialog opened, and
    // then loads the chosen city, which brings that city's stored settings.
    const TOptionsApplied applied = confirm_ ? confirm_(*choice_) : TOptionsApplied{};
    cityLoadFailed_ = applied.CityLoadFailed;
    for (const TStoreFailure& failure : applied.Failures)
        if (!failure.empty())
            environment_.ErrorBox(this, failure + "\r\nВыбранные значения действуют до закрытия программы.");
    accept();
}

}  // namespace tnx::ui
