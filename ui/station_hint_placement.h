// Where the station pop-up goes: below and right of the pointer, kept off the
// screen's right and bottom edges.
#pragma once

#include <QRect>

namespace tnx::ui {

// anchor: the screen point 10 right of and 20 below the pointer; text: the
// size the text needs on one line; screen: the screen's geometry.
QRect StationHintRect(QPoint anchor, QSize text, const QRect& screen);

}  // namespace tnx::ui
