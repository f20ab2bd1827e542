#include "ui/station_hint_placement.h"

namespace tnx::ui {
namespace {

constexpr int kRightGap = 20;
constexpr int kBottomGap = 7;
constexpr int kLiftAtBottom = 50;
constexpr int kExtraWidth = 10;
constexpr int kExtraHeight = 2;

}  // namespace

QRect StationHintRect(QPoint anchor, QSize text, const QRect& screen) {
    QPoint p = anchor;
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    if (screenRight - p.x() - kRightGap < text.width()) p.setX(screenRight - kRightGap - text.width());
    if (screenBottom - p.y() - kBottomGap < text.height()) p.setY(p.y() - kLiftAtBottom);
    return {p, QSize(text.width() + kExtraWidth, text.height() + kExtraHeight)};
}

}  // namespace tnx::ui
