#include "ui/splash_form.h"

#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace tnx::ui {
namespace {

constexpr int kWidth = 272;
constexpr int kHeight = 116;
constexpr int kRightEdge = 254;

QLabel* RightAlignedLabel(QWidget* parent, int y, const QString& text, const QColor& colour, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSize(8);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(0, y, kRightEdge, 30);
    return label;
}

}  // namespace

TSplashForm::TSplashForm(QWidget* owner, const QString& versionText, const QString& buildText)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 236, 250));
    setPalette(palette);

    auto* title = new QLabel("Tunnex", this);
    QFont titleFont = title->font();
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(16, 8, 160, 34);

    Label1 = RightAlignedLabel(this, 40, "Version " + versionText + " Build." + buildText, QColor(0, 0, 128), true);
    Label2 = RightAlignedLabel(this, 60, "Загрузка", QColor(0, 0, 0), false);
    Label3 = RightAlignedLabel(this, 82, "Orvane\nВсе права защищены", QColor(0, 0, 255), false);

    Gauge1 = new QProgressBar(this);
    Gauge1->setRange(0, kGaugeSteps);
    Gauge1->setValue(0);
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(116, 74, 137, 4);
    Gauge1->setStyleSheet(
        "QProgressBar { border: 1px solid rgb(0, 0, 0); background: rgb(20, 163, 248); }"
        "QProgressBar::chunk { background: rgb(56, 213, 245); }");

    // Centred on the desktop rather than on the owner, which is not shown yet.
    if (const QScreen* s = screen()) move(s->geometry().center() - rect().center());
}

}  // namespace tnx::ui
