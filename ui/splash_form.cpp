#include "ui/splash_form.h"

#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "ui/about_texts.h"
#include "ui/image_control.h"

namespace tnx::ui {
namespace {

constexpr int kWidth = 272;
constexpr int kHeight = 116;
constexpr int kRightEdge = 254;

QLabel* RightAlignedLabel(QWidget* parent, int y, int height, const QString& text, const QColor& colour, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSize(8);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(0, y, kRightEdge, height);
    return label;
}

}  // namespace

TSplashForm::TSplashForm(QWidget* owner, const QString& versionText, const QString& buildText)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kWidth, kHeight);

    Image1 = new TImage(this);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Image1->SetPicture(QImage(":/tunnex/SPLASH"));

    // In the painting order: picture, version, notice, gauge, status.
    Label1 = RightAlignedLabel(this, 40, 18, "Version " + versionText + " Build." + buildText, QColor(0, 0, 128), true);
    Label3 = RightAlignedLabel(this, 82, 30, kLegalNoticeTwoLines, QColor(0, 0, 255), false);

    Gauge1 = new QProgressBar(this);
    Gauge1->setRange(0, kGaugeSteps);
    Gauge1->setValue(0);
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(116, 74, 137, 4);
    Gauge1->setStyleSheet(
        "QProgressBar { border: 1px solid rgb(0, 0, 0); background: rgb(20, 163, 248); }"
        "QProgressBar::chunk { background: rgb(56, 213, 245); }");

    Label2 = RightAlignedLabel(this, 60, 14, "Загрузка", QColor(0, 0, 0), false);

    // Centred on the desktop rather than on the owner, which is not shown yet.
    if (const QScreen* s = screen()) move(s->geometry().center() - rect().center());
}

}  // namespace tnx::ui
