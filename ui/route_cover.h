// Where on the scheme a route is drawn, and a place for a card that leaves it clear.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "ui/route_frame.h"

namespace tnx::ui {

// Counts of marked pixels in any rectangle of a picture, each in constant time.
class TSummedArea {
public:
    TSummedArea() = default;
    TSummedArea(int width, int height, const std::vector<char>& marked);
    int Count(const QRect& rect) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<int> sums_;  // marked pixels above and left of each corner
};

class TRouteCover {
public:
    // The pixels where the route's picture differs from the clean scheme, both endpoint
    // markers, and the stations in operation that could be clicked.
    explicit TRouteCover(const TRouteFrameInput& route);

    QSize Size() const { return size_; }
    int RoutePixels(const QRect& rect) const { return route_.Count(rect); }
    int Stations(const QRect& rect) const { return stations_.Count(rect); }

private:
    QSize size_;
    TSummedArea route_;
    TSummedArea stations_;
};

// The top-left corner of a card of `card` size on the scheme that keeps `margin` pixels
// clear of the route: among the clear places the one over the fewest stations, then the
// one nearest a corner of the scheme (top left, bottom left, top right, bottom right).
// Where no place is clear, the one covering least of the route.
QPoint ClearPlace(const TRouteCover& cover, QSize card, int margin);

}  // namespace tnx::ui
