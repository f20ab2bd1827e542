// Where the main window goes on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tnx::ui {

// Centred on the usable screen area; a window exactly as wide as the screen fills it from
// its top-left corner; a window taller than the usable area keeps its caption bar, with
// the close button at its right end, on the screen.
QPoint MainWindowPlace(const QRect& usableScreen, const QSize& window);

}  // namespace tnx::ui
