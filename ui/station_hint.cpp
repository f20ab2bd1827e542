#include "ui/station_hint.h"

namespace tnx::ui {

TStationHint::TStationHint(QWidget* owner, int screenWidth) : QLabel(owner, Qt::ToolTip) {
    QFont f = font();
    f.setBold(true);
    f.setPointSize(screenWidth == 800 ? 10 : 11);
    setFont(f);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    hide();
}

}  // namespace tnx::ui
