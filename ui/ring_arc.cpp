#include "ui/ring_arc.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace tnx::ui {
namespace {

bool LeftHalf(QPoint p) { return p.x() <= kRingLeftHalfMaxX; }
bool UpperHalf(QPoint p) { return p.y() <= kRingUpperHalfMaxY; }

}  // namespace

TArcEnds RingArcEnds(QPoint p, QPoint q) {
    if (LeftHalf(p) && LeftHalf(q)) {
        // Down the left side: from the upper station.
        return p.y() <= q.y() ? TArcEnds{p, q} : TArcEnds{q, p};
    }
    if (!LeftHalf(p) && !LeftHalf(q)) {
        // Up the right side: from the lower station.
        return p.y() > q.y() ? TArcEnds{p, q} : TArcEnds{q, p};
    }
    const bool upper = UpperHalf(p) && UpperHalf(q);
    const QPoint right = LeftHalf(p) ? q : p;
    const QPoint left = LeftHalf(p) ? p : q;
    // Across the top from right to left, across the bottom from left to right.
    return upper ? TArcEnds{right, left} : TArcEnds{left, right};
}

double RingArcAngle(QPoint point) {
    const QPointF centre = kRingEllipse.center();
    const double rx = kRingEllipse.width() / 2;
    const double ry = kRingEllipse.height() / 2;
    // Screen Y grows downwards; angles grow counter-clockwise on the screen.
    const double degrees =
        std::atan2(-(point.y() - centre.y()) / ry, (point.x() - centre.x()) / rx) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

void DrawRingArc(QPainter& painter, QPoint p, QPoint q) {
    const TArcEnds ends = RingArcEnds(p, q);
    const double start = RingArcAngle(ends.Start);
    double span = RingArcAngle(ends.End) - start;
    if (span < 0) span += 360.0;
    const int start16 = static_cast<int>(std::lround(start * 16));
    const int span16 = static_cast<int>(std::lround(span * 16));
    // Two stations at one place make no arc, rather than the whole ellipse.
    if (span16 == 0) return;
    painter.drawArc(kRingEllipse, start16, span16);
}

}  // namespace tnx::ui
