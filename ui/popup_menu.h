// A menu whose items answer the left mouse button only.
#pragma once

#include <QMenu>

namespace tnx::ui {

class TPopupMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tnx::ui
