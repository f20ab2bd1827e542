// The line icons, the route end markers and the route station circle. Each
// is opaque with a transparent key colour in its top-left pixel.
#pragma once

#include <QColor>
#include <QImage>

namespace tnx::city::draw {

// kLineIconSize square: a disc in the line's colour with its number in white.
QImage RenderLineIcon(int lineNumber, const QColor& colour);

enum class RouteFlag {
    Start,           // FLAG1
    End,             // FLAG2
    StartAlternate,  // FLAG1A, shown while the route blinks
    EndAlternate,    // FLAG2A
};

// kFlagSize square, centred on a station.
QImage RenderRouteFlag(RouteFlag flag);

// kCircleSize square: marks an operating station on the shown route.
QImage RenderRouteCircle();

}  // namespace tnx::city::draw
