// The pop-up that shows a station's name over the scheme.
#pragma once

#include <QLabel>

namespace tnx::ui {

class TStationHint : public QLabel {
    Q_OBJECT
public:
    // 10 points on a screen exactly 800 pixels wide, else 11.
    TStationHint(QWidget* owner, int screenWidth);
};

}  // namespace tnx::ui
