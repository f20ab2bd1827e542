#include "ui/legend_group.h"

#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace tnx::ui {

void TLegendGroupBox::PlaceLegend(QWidget* legend) {
    constexpr int kGap = 3;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const QString caption = title();
    qsizetype spaces = 0;
    while (spaces < caption.size() && caption[spaces] == ' ') ++spaces;
    const int textStart = label.left() + fontMetrics().horizontalAdvance(caption.left(spaces));
    legend->move(std::max(0, textStart - kGap - legend->width()), label.center().y() - legend->height() / 2);
}

}  // namespace tnx::ui
