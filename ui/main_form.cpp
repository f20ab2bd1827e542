#include "ui/main_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "engine/search_command.h"
#include "ui/form_environment.h"
#include "ui/image_control.h"
#include "ui/legend_group.h"
#include "ui/menu_panel.h"
#include "ui/popup_menu.h"
#include "ui/radio_group.h"
#include "ui/route_card.h"
#include "ui/station_combo.h"
#include "ui/text_fit.h"

// The program's own pictures live in a static library, whose resource
// registration the linker would otherwise drop.
static void InitTunnexResources() { Q_INIT_RESOURCE(tunnex); }

namespace tnx::ui {
namespace {

constexpr int kPanel2Width = 206;
constexpr int kSwapButtonLeft = 176;
constexpr int kSwapButtonTop = 79;
constexpr int kSwapButtonSize = 20;
constexpr auto kSwapShortcut = Qt::CTRL | Qt::Key_R;
constexpr int kHintShowMs = 4000;

// Help topics of the controls that offer "Что это такое?".
constexpr int kHelpComboBox1 = 2011;
constexpr int kHelpComboBox2 = 2012;
constexpr int kHelpCloseButton = 2014;
constexpr int kHelpGroupBox3 = 2015;
constexpr int kHelpPanel3 = 2016;
constexpr int kHelpRadioGroup1 = 2017;
constexpr int kHelpSwapButton = 2018;

QWidget* FilledPanel(QWidget* parent, const QColor& colour) {
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, colour);
    panel->setPalette(p);
    return panel;
}

void SetHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setToolTipDuration(kHintShowMs);
}

// A white question mark on a blue disc: the style's own help icon reads as a red cross at
// menu size in some themes.
QIcon HelpIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 90, 180));
        painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        QFont mark;
        mark.setBold(true);
        mark.setPixelSize(size * 3 / 4);
        painter.setFont(mark);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, "?");
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QStringList EveryRouteEntryText() {
    QStringList texts;
    TRoute route{};
    for (int minutes = 0; minutes <= 255; ++minutes) {
        for (int changes = 0; changes <= kMaxChangesOffered; ++changes) {
            route.Time = static_cast<std::uint8_t>(minutes);
            route.Changes = static_cast<std::uint8_t>(changes);
            texts << QString::fromStdString(RouteEntryText(route));
        }
    }
    return texts;
}

TForm1::TForm1(std::filesystem::path programDirectory, TFormEnvironment& environment)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), programDirectory_(std::move(programDirectory)),
      environment_(environment), routes_(std::make_unique<TRouteList>()), searchWork_(std::make_unique<TSearchWork>()),
      searchData_(std::make_unique<TSearchData>(City)) {
    InitTunnexResources();
    setWindowTitle("Tunnex");
    QFont formFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    formFont.setPointSize(8);
    setFont(formFont);
    resize(kWidth, kClientHeight + 1);
    CreateControls();
}

void TForm1::CreateControls() {
    CreateMenus();
    CreateCaptionBar();
    CreateControlPanel();

    Panel3 = new QWidget(this);
    Panel3->setProperty("HelpContext", kHelpPanel3);
    Image1 = new TImage(Panel3);
    Image1->setGeometry(1, 1, 591, 575);
    Image1->Picture() = QImage(591, 575, QImage::Format_RGB32);
    Image1->Picture().fill(palette().color(QPalette::Window));
    RouteCard = new TRouteCard(Panel3);
    RouteCard->SetMapArea(Image1->geometry());
    RouteCard->Follow(RadioGroup1);

    for (QWidget* control : std::initializer_list<QWidget*>{RadioGroup1, ComboBox1, ComboBox2, SwapButton, CloseButton,
                                                            GroupBox3, Panel3}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& position) { ShowContextMenu(control, position); });
    }
    ConnectMap();
}

void TForm1::CreateMenus() {
    PopupMenu1 = new TPopupMenu(this);
    N2 = PopupMenu1->addAction(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton), "Что это такое?");
    connect(N2, &QAction::triggered, this, &TForm1::N2Click);

    PopupMenu2 = new TPopupMenu(this);
    N3 = PopupMenu2->addAction("Учитывать время ожидания");
    N3->setCheckable(true);
    N9 = PopupMenu2->addAction("Только оптимальные маршруты");
    N9->setCheckable(true);
    PopupMenu2->addSeparator();
    auto* sortOrder = new QActionGroup(this);
    N6 = PopupMenu2->addAction("Сортировка по времени");
    N7 = PopupMenu2->addAction("Сортировка по пересадкам");
    for (QAction* item : {N6, N7}) {
        item->setCheckable(true);
        sortOrder->addAction(item);
    }
    PopupMenu2->addSeparator();
    N5 = PopupMenu2->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), "Дополнительно...");
    // Each handler sets the check marks itself, so they follow "triggered" and not "toggled".
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(N6, &QAction::triggered, this, &TForm1::N6Click);
    connect(N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(N5, &QAction::triggered, this, &TForm1::OptionsClick);

    PopupMenu3 = new TPopupMenu(this);
    Info = PopupMenu3->addAction(HelpIcon(), "Справка по Tunnex");
    PopupMenu3->addSeparator();
    About = PopupMenu3->addAction(style()->standardIcon(QStyle::SP_MessageBoxInformation), "О программе");
    connect(Info, &QAction::triggered, this, &TForm1::InfoClick);
    connect(About, &QAction::triggered, this, &TForm1::AboutClick);

    // The commands of a system menu that apply to a window of fixed size.
    WindowMenu = new QMenu(this);
    connect(WindowMenu->addAction("Переместить"), &QAction::triggered, this, &TForm1::MoveFromWindowMenu);
    connect(WindowMenu->addAction("Свернуть"), &QAction::triggered, this, &TForm1::MenuPanel2Click);
    connect(WindowMenu->addAction("Свернуть в заголовок"), &QAction::triggered, this, &TForm1::MenuPanel3Click);
    WindowMenu->addSeparator();
    QAction* close = WindowMenu->addAction("Закрыть");
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(close, &QAction::triggered, this, &TForm1::MenuPanel1Click);
}

void TForm1::CreateCaptionBar() {
    Panel1 = FilledPanel(this, QColor(0, 0, 128));

    Image3 = new TImage(Panel1);
    Image3->setGeometry(3, 2, 794, 18);
    connect(Image3, &TImage::MouseDown, this, &TForm1::Image3MouseDown);
    connect(Image3, &TImage::MouseMove, this, &TForm1::Image3MouseMove);
    connect(Image3, &TImage::MouseUp, this, [this](QMouseEvent*) {
        if (!menuMove_) dragging_ = false;
    });
    connect(Image3, &TImage::DoubleClick, this, [this](QMouseEvent*) { MenuPanel3Click(); });

    Image5 = new TImage(Panel1);
    Image5->setGeometry(5, 3, 16, 16);
    Image5->SetStretch(true);
    Image5->SetPicture(QImage(":/tunnex/CAPICON"));
    connect(Image5, &TImage::MouseUp, this, &TForm1::Image5MouseUp);

    QFont glyphFont = font();
    glyphFont.setBold(true);
    glyphFont.setPointSize(8);
    const auto makeButton = [&](int x, const QString& caption, const QString& hint) {
        auto* button = new TMenuPanel(Panel1);
        button->setGeometry(x, 3, 16, 16);
        button->setFont(glyphFont);
        button->SetCaption(caption);
        button->ApplicationActive = [this] { return environment_.ApplicationActive(); };
        SetHint(button, hint);
        return button;
    };
    MenuPanel3 = makeButton(739, QString::fromUtf8("⇧"), "Спрятать");
    MenuPanel2 = makeButton(762, QString::fromUtf8("–"), "Свернуть");
    MenuPanel1 = makeButton(780, QString::fromUtf8("✕"), "Закрыть");
    connect(MenuPanel1, &TMenuPanel::Click, this, &TForm1::MenuPanel1Click);
    connect(MenuPanel2, &TMenuPanel::Click, this, &TForm1::MenuPanel2Click);
    connect(MenuPanel3, &TMenuPanel::Click, this, &TForm1::MenuPanel3Click);
}

void TForm1::CreateControlPanel() {
    Panel2 = new QWidget(this);

    ToolBar1 = new QToolBar(Panel2);
    ToolBar1->setGeometry(2, 2, 202, 23);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->setMovable(false);
    const auto menuButton = [&](const QString& caption, QMenu* menu) {
        auto* button = new QToolButton(ToolBar1);
        button->setText(caption);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);  // no focus frame left once its menu closes
        ToolBar1->addWidget(button);
        return button;
    };
    ToolButton1 = menuButton("Настройки", PopupMenu2);
    ToolButton2 = menuButton("?", PopupMenu3);

    const auto stationGroup = [&](int y, const QString& caption, TImage*& legend, TStationComboBox*& box,
                                  const QString& hint, int helpContext) {
        auto* group = new TLegendGroupBox(caption, Panel2);
        group->setGeometry(7, y, 192, 42);
        legend = new TImage(group);
        legend->resize(14, 14);
        group->PlaceLegend(legend);
        legend->Picture() = QImage(14, 14, QImage::Format_ARGB32);
        legend->Picture().fill(Qt::transparent);
        box = new TStationComboBox(group);
        box->setGeometry(2, 18, 188, 22);
        box->setFont(CondensedFont(font()));  // long names such as "Библиотека имени Ленина" whole
        box->setProperty("HelpContext", helpContext);
        SetHint(box, hint);
        box->SetDrawItem([this](QPainter& painter, const QRect& rect, const QString& text, bool selected,
                                const QPalette& palette) { ComboBoxDrawItem(painter, rect, text, selected, palette); });
        box->SetMatchItems([this](const QString& typed) { return StationsNamed(typed); });
        // Browsing with the arrow keys waits for the watcher; a choice in the list does not.
        connect(box, &QComboBox::activated, this, &TForm1::ComboBox1Change);
        connect(box, &TStationComboBox::Chosen, this, &TForm1::StationChosen);
        return group;
    };
    GroupBox1 =
        stationGroup(35, "      Начало маршрута ", Image2, ComboBox1, "Выберите начальную станцию", kHelpComboBox1);
    GroupBox2 =
        stationGroup(83, "      Конец маршрута ", Image4, ComboBox2, "Выберите конечную станцию", kHelpComboBox2);

    // On the border of the two lists, at the right.
    SwapButton = new QToolButton(Panel2);
    SwapButton->setGeometry(kSwapButtonLeft, kSwapButtonTop, kSwapButtonSize, kSwapButtonSize);
    SwapButton->setText(QString::fromUtf8("⇅"));
    QFont swapFont = SwapButton->font();
    swapFont.setPointSize(11);
    swapFont.setBold(true);
    SwapButton->setFont(swapFont);
    SwapButton->setProperty("HelpContext", kHelpSwapButton);
    SetHint(SwapButton, "Поменять местами начало и конец маршрута (" +
                            QKeySequence(kSwapShortcut).toString(QKeySequence::NativeText) + ")");
    connect(SwapButton, &QToolButton::clicked, this, &TForm1::SwapButtonClick);
    auto* swapShortcut = new QShortcut(QKeySequence(kSwapShortcut), this);
    connect(swapShortcut, &QShortcut::activated, this, &TForm1::SwapButtonClick);

    GroupBox3 = new QGroupBox("Время суток ", Panel2);
    GroupBox3->setGeometry(7, 132, 192, 39);
    GroupBox3->setProperty("HelpContext", kHelpGroupBox3);
    DayRadioButton = new QRadioButton("День", GroupBox3);
    DayRadioButton->setGeometry(32, 18, 55, 17);
    DayRadioButton->setLayoutDirection(Qt::RightToLeft);  // text to the left of the mark
    DayRadioButton->setChecked(true);
    EvRadioButton = new QRadioButton("Вечер", GroupBox3);
    EvRadioButton->setGeometry(102, 18, 65, 17);
    // Each handler unchecks the other button itself.
    DayRadioButton->setAutoExclusive(false);
    EvRadioButton->setAutoExclusive(false);
    connect(DayRadioButton, &QRadioButton::clicked, this, &TForm1::DayRadioButtonClick);
    connect(EvRadioButton, &QRadioButton::clicked, this, &TForm1::EvRadioButtonClick);

    RadioGroup1 = new TRadioGroup(" Найденные маршруты ", Panel2);
    RadioGroup1->setGeometry(7, 180, 192, 351);
    RadioGroup1->FitItemsTo(EveryRouteEntryText());
    RadioGroup1->setProperty("HelpContext", kHelpRadioGroup1);
    RadioGroup1->hide();
    connect(RadioGroup1, &TRadioGroup::Click, this, &TForm1::RadioGroup1Click);

    Label1 = new QLabel(Panel2);
    Label1->setGeometry(11, 204, 186, 317);
    Label1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->hide();

    Panel4 = new QFrame(Panel2);
    Panel4->setGeometry(64, 540, 78, 27);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CloseButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Выход", Panel2);
    CloseButton->setGeometry(65, 541, 76, 25);
    CloseButton->setProperty("HelpContext", kHelpCloseButton);
    connect(CloseButton, &QPushButton::clicked, this, &TForm1::CloseButtonClick);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    Panel1->setGeometry(0, 0, w, kCaptionHeight);
    Panel2->setGeometry(0, kCaptionHeight, kPanel2Width, std::max(0, h - kCaptionHeight));
    Panel3->setGeometry(kPanel2Width, kCaptionHeight, std::max(0, w - kPanel2Width), std::max(0, h - kCaptionHeight));
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow())
        FormActivate();
    else
        FormDeactivate();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

}  // namespace tnx::ui
