#include "ui/about_box.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>

#include "ui/about_texts.h"
#include "ui/form_environment.h"
#include "ui/image_control.h"
#include "ui/scroll_thread.h"

namespace tnx::ui {
namespace {

constexpr int kTabSupport = 0;
constexpr int kTabHidden = 3;

// Tabs drawn as flat buttons: no frame at rest, sunken when chosen.
constexpr const char* kFlatTabs =
    "QTabWidget::pane { border: 1px solid palette(mid); top: -1px; }"
    "QTabBar::tab { border: 1px solid transparent; border-radius: 2px; padding: 3px 7px; margin: 1px 2px 3px 0; "
    "  background: palette(window); }"
    "QTabBar::tab:hover { border-color: palette(mid); }"
    "QTabBar::tab:selected { border-color: palette(dark); background: palette(midlight); }";

// Read-only text in the face colour of the box.
QPlainTextEdit* FaceText(QWidget* parent, const QRect& geometry, bool frame) {
    auto* text = new QPlainTextEdit(parent);
    text->setGeometry(geometry);
    text->setReadOnly(true);
    text->setFrameShape(frame ? QFrame::StyledPanel : QFrame::NoFrame);
    text->setFocusPolicy(frame ? Qt::StrongFocus : Qt::NoFocus);
    QPalette p = text->palette();
    if (!frame) p.setColor(QPalette::Base, p.color(QPalette::Window));
    text->setPalette(p);
    return text;
}

TImage* ScrollImage(QWidget* parent, const QRect& geometry) {
    auto* image = new TImage(parent);
    image->setGeometry(geometry);
    image->SetStretch(true);
    image->Picture() = QImage(geometry.size(), QImage::Format_RGB32);
    return image;
}

}  // namespace

TLinkLabel::TLinkLabel(const QString& caption, const QString& hint, QWidget* parent) : QLabel(caption, parent) {
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
}

void TTabSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && OnShow) OnShow();
}

void TTabSheet::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && OnHide) OnHide();
}

TAboutBox::TAboutBox(QWidget* owner, TFormEnvironment& environment, TAboutSources sources)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      environment_(environment), sources_(std::move(sources)) {
    setWindowTitle("О программе");
    if (owner != nullptr) setFont(owner->font());
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    FormCreate();
    if (const QScreen* s = screen()) move(s->geometry().center() - rect().center());
}

TAboutBox::~TAboutBox() {
    // The tabs are hidden again while the base class deletes them, when this box is
    // no longer a TAboutBox: they must not call back into it.
    for (TTabSheet* tab : {TabDevelopers, TabHidden}) {
        tab->OnShow = nullptr;
        tab->OnHide = nullptr;
    }
    // Joined before the images they paint go with the box's children.
    hiddenScroll_.reset();
    developersScroll_.reset();
}

void TAboutBox::CreateControls() {
    Panel1 = new QFrame(this);
    Panel1->setGeometry(4, 4, 399, 328);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    ProgramIcon = new TImage(Panel1);
    ProgramIcon->setGeometry(8, 8, 140, 65);
    ProgramIcon->SetStretch(true);
    ProgramIcon->SetPicture(QImage(":/tunnex/LOGO"));
    connect(ProgramIcon, &TImage::MouseUp, this, &TAboutBox::ProgramIconMouseUp);

    ProductName = new QLabel("Tunnex.2002", Panel1);
    ProductName->setGeometry(160, 8, 230, 20);
    QFont productFont = font();
    productFont.setBold(true);
    productFont.setPointSize(productFont.pointSize() + 3);
    ProductName->setFont(productFont);

    Version = FaceText(Panel1, QRect(156, 30, 236, 34), false);
    Version->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Version->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Copyright = new QLabel(kLegalNotice, Panel1);
    Copyright->setGeometry(160, 62, 232, 16);

    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setGeometry(4, 82, 391, 242);
    PageControl1->setStyleSheet(kFlatTabs);
    PageControl1->setDocumentMode(false);

    TabSupport = new TTabSheet;
    Memo1 = FaceText(TabSupport, QRect(6, 4, 375, 142), false);
    Comments = new QLabel("Адрес для связи", TabSupport);
    Comments->setGeometry(8, 154, 120, 18);
    Label1 = new TLinkLabel(kSupportAddress, kSupportAddress, TabSupport);
    Label1->setGeometry(136, 154, 240, 18);
    Label1->OnClick = [this] {
        if (!environment_.OpenUrl(QUrl(QString("mailto:") + kSupportAddress + kMailSubject)))
            environment_.ErrorBox(this,
                                  std::string("Не удалось открыть письмо: в системе не задана почтовая программа.\r\n"
                                              "Напишите нам по адресу ") +
                                      kSupportAddress + ".");
    };
    Label2 = new QLabel("Сайт программы", TabSupport);
    Label2->setGeometry(8, 178, 120, 18);
    Label3 = new TLinkLabel(kHomeHost, kHomePage, TabSupport);
    Label3->setGeometry(136, 178, 240, 18);
    Label3->OnClick = [this] {
        if (!environment_.OpenUrl(QUrl(kHomePage)))
            environment_.ErrorBox(this, std::string("Не удалось открыть сайт: в системе не задан браузер.\r\n"
                                                    "Адрес сайта: ") +
                                            kHomePage);
    };

    TabLicense = new TTabSheet;
    Memo2 = FaceText(TabLicense, QRect(4, 4, 379, 200), true);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    TabDevelopers = new TTabSheet;
    Image2 = ScrollImage(TabDevelopers, QRect(4, 6, 377, 193));
    TabDevelopers->OnShow = [this] { TabDevelopersShow(); };
    TabDevelopers->OnHide = [this] { TabDevelopersHide(); };

    TabHidden = new TTabSheet;
    Image1 = ScrollImage(TabHidden, QRect(4, 2, 378, 200));
    TabHidden->OnShow = [this] { TabHiddenShow(); };
    TabHidden->OnHide = [this] { TabHiddenHide(); };

    PageControl1->addTab(TabSupport, "Поддержка");
    PageControl1->addTab(TabLicense, "Лицензия");
    PageControl1->addTab(TabDevelopers, "Участники проекта");
    PageControl1->addTab(TabHidden, "Greetings");
    PageControl1->setTabVisible(kTabHidden, false);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), "Понятно", this);
    BitBtn1->setGeometry(160, 339, 88, 27);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TAboutBox::FormCreate() {
    PageControl1->setCurrentIndex(kTabSupport);
    const QDateTime written = LastWriteTime(sources_.ProgramFile);
    Version->setPlainText(AboutVersionText(sources_.VersionText, sources_.BuildText, written, SystemTimeSeparator()));
    Memo2->setPlainText(ProgramText("LICENSE"));
    Memo1->setPlainText(ProgramText("INFO"));
    BitBtn1->setFocus();
}

void TAboutBox::ProgramIconMouseUp(QMouseEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers();
    if (event->button() == Qt::RightButton && held.testFlag(Qt::ControlModifier) && held.testFlag(Qt::AltModifier))
        PageControl1->setTabVisible(kTabHidden, true);  // shown, not chosen
}

void TAboutBox::FillWithFace(TImage* image) {
    image->Picture().fill(image->palette().color(QPalette::Window));
    image->update();
}

void TAboutBox::TabDevelopersShow() {
    FillWithFace(Image2);
    const QString text = CreditsText(ProgramText("ABOUT"), sources_.Catalog, sources_.ProgramDirectory);
    developersScroll_ = std::make_unique<TScroll>(text, Image2);
}

void TAboutBox::TabHiddenShow() {
    FillWithFace(Image1);
    hiddenScroll_ = std::make_unique<TScroll>(ProgramText("GREETS"), Image1);
}

void TAboutBox::TabDevelopersHide() {
    if (developersScroll_) developersScroll_->Stop();
}

void TAboutBox::TabHiddenHide() {
    if (hiddenScroll_) hiddenScroll_->Stop();
}

void TAboutBox::FormClose() {
    if (hiddenScroll_) hiddenScroll_->Stop();
    if (developersScroll_) developersScroll_->Stop();
}

void TAboutBox::done(int result) {
    FormClose();
    QDialog::done(result);
}

}  // namespace tnx::ui
