#include "ui/menu_panel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace tnx::ui {

TMenuPanel::TMenuPanel(QWidget* parent) : QFrame(parent) {
    ApplicationActive = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
}

void TMenuPanel::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TMenuPanel::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TMenuPanel::SetFontColor(const QColor& color) {
    fontColor_ = color;
    update();
}

void TMenuPanel::SetBevel(TBevel bevel) {
    bevel_ = bevel;
    update();
}

void TMenuPanel::enterEvent(QEnterEvent*) {
    fontColor_ = kWhite;
    SetBevel(TBevel::Raised);
}

void TMenuPanel::leaveEvent(QEvent*) {
    fontColor_ = ApplicationActive && ApplicationActive() ? kAqua : kSilver;
    SetBevel(TBevel::None);
}

void TMenuPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetBevel(TBevel::Lowered);
}

void TMenuPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Qt hands the release to the pressed control wherever it happens; only a
    // release over the control is a click.
    if (!rect().contains(event->position().toPoint())) return;
    SetBevel(TBevel::Raised);
    emit Click(this);
}

// While the button is held Qt sends no leave, so leaving with it held is seen here;
// coming back with it still held lowers the button again.
void TMenuPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const bool inside = rect().contains(event->position().toPoint());
    if (!inside && bevel_ == TBevel::Lowered)
        leaveEvent(nullptr);
    else if (inside && bevel_ != TBevel::Lowered)
        SetBevel(TBevel::Lowered);
}

void TMenuPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    fontColor_ = kAqua;
    SetBevel(TBevel::None);
}

void TMenuPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, color_);
    if (bevel_ != TBevel::None) {
        const QColor light(255, 255, 255);
        const QColor dark(128, 128, 128);
        const QColor topLeft = bevel_ == TBevel::Raised ? light : dark;
        const QColor bottomRight = bevel_ == TBevel::Raised ? dark : light;
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    painter.setPen(fontColor_);
    painter.setFont(font());
    painter.drawText(r, Qt::AlignCenter, caption_);
}

}  // namespace tnx::ui
