// The ring line of the city with code 1 is drawn as arcs of one ellipse.
#pragma once

#include <QPoint>
#include <QRectF>

class QPainter;

namespace tnx::ui {

// The ellipse inscribed in left 147, top 137, right 430, bottom 417; centre (288.5, 277).
inline const QRectF kRingEllipse(147.0, 137.0, 283.0, 280.0);

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
