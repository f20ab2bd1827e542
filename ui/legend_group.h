// A group box whose caption begins with spaces that leave room for a small picture.
#pragma once

#include <QGroupBox>

namespace tnx::ui {

class TLegendGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // Puts legend in the room of the caption's leading spaces, a few pixels clear of the
    // caption's first letter and centred on its height, whatever the font.
    void PlaceLegend(QWidget* legend);
};

}  // namespace tnx::ui
