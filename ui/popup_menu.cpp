#include "ui/popup_menu.h"

#include <QMouseEvent>

namespace tnx::ui {

void TPopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

}  // namespace tnx::ui
