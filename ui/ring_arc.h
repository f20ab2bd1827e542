// The ring line (model/ring.h) is drawn as arcs of one ellipse.
#pragma once

#include <QPoint>
#include <QRectF>

#include "model/ring.h"

class QPainter;

namespace tnx::ui {

// QRectF's width and height are right - left and bottom - top: its centre is the ring's.
inline const QRectF kRingEllipse(kRingLeft, kRingTop, kRingRight - kRingLeft, kRingBottom - kRingTop);

struct TArcEnds {
    QPoint Start;
    QPoint End;
};

// Start and end of the counter-clockwise arc between station p and its
// neighbour q, so that the sweep takes the short way. A station with X 289
// counts as right of the centre line, where its X lies.
TArcEnds RingArcEnds(QPoint p, QPoint q);

// Angle in degrees, counter-clockwise from 3 o'clock, of the point where the
// ray from the ellipse's centre through `point` meets the ellipse, in the
// ellipse's own parameter as QPainter::drawArc takes it.
double RingArcAngle(QPoint point);

// Draws the arc from p to q with the painter's pen.
void DrawRingArc(QPainter& painter, QPoint p, QPoint q);

}  // namespace tnx::ui
