#include "ui/route_cover.h"

#include <QImage>
#include <algorithm>
#include <limits>

#include "ui/map_bitmaps.h"

namespace tnx::ui {
namespace {

constexpr int kStep = 4;  // candidate places lie on this grid, and at the far edges

}  // namespace

TSummedArea::TSummedArea(int width, int height, const std::vector<char>& marked)
    : width_(width), height_(height), sums_(static_cast<std::size_t>(width + 1) * (height + 1), 0) {
    const auto at = [this](int x, int y) -> int& { return sums_[static_cast<std::size_t>(y) * (width_ + 1) + x]; };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            at(x + 1, y + 1) =
                marked[static_cast<std::size_t>(y) * width_ + x] + at(x + 1, y) + at(x, y + 1) - at(x, y);
}

int TSummedArea::Count(const QRect& rect) const {
    const QRect r = rect & QRect(0, 0, width_, height_);
    if (r.isEmpty()) return 0;
    const auto at = [this](int x, int y) { return sums_[static_cast<std::size_t>(y) * (width_ + 1) + x]; };
    return at(r.right() + 1, r.bottom() + 1) - at(r.left(), r.bottom() + 1) - at(r.right() + 1, r.top()) +
           at(r.left(), r.top());
}

TRouteCover::TRouteCover(const TRouteFrameInput& route) {
    QImage frame;
    PaintRouteFrame(frame, route);
    const QImage scheme = route.Bitmaps.SchemeBitmap.convertToFormat(QImage::Format_RGB32);
    if (frame.isNull() || frame.size() != scheme.size()) return;
    size_ = frame.size();
    const int w = size_.width(), h = size_.height();
    const QRect all(0, 0, w, h);
    std::vector<char> drawn(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(scheme.constScanLine(y));
        for (int x = 0; x < w; ++x) drawn[static_cast<std::size_t>(y) * w + x] = a[x] != b[x];
    }
    for (const std::uint8_t n : {route.StartStation, route.EndStation}) {
        if (n < 1 || n > route.City.NumOfStations) continue;
        const QRect marker = EraseSquare(route.City.Station(n).X, route.City.Station(n).Y) & all;
        for (int y = marker.top(); y <= marker.bottom(); ++y)
            for (int x = marker.left(); x <= marker.right(); ++x) drawn[static_cast<std::size_t>(y) * w + x] = 1;
    }
    route_ = TSummedArea(w, h, drawn);

    std::vector<char> stations(static_cast<std::size_t>(w) * h, 0);
    for (int n = 1; n <= std::min<int>(route.City.NumOfStations, kMaxStations); ++n) {
        const TStation& s = route.City.Station(static_cast<std::uint8_t>(n));
        if (s.InOperation != 0 && all.contains(s.X, s.Y)) stations[static_cast<std::size_t>(s.Y) * w + s.X] = 1;
    }
    stations_ = TSummedArea(w, h, stations);
}

QPoint ClearPlace(const TRouteCover& cover, QSize card, int margin) {
    const int maxX = std::max(0, cover.Size().width() - card.width());
    const int maxY = std::max(0, cover.Size().height() - card.height());
    const QPoint corners[] = {{0, 0}, {0, maxY}, {maxX, 0}, {maxX, maxY}};
    const auto axis = [](int max) {
        std::vector<int> v;
        for (int i = 0; i < max; i += kStep) v.push_back(i);
        v.push_back(max);
        return v;
    };
    QPoint best;
    long long bestScore = std::numeric_limits<long long>::max();
    for (const int y : axis(maxY))
        for (const int x : axis(maxX)) {
            const QRect place(QPoint(x, y), card);
            long long nearest = std::numeric_limits<long long>::max();
            for (int c = 0; c < 4; ++c)
                nearest = std::min<long long>(nearest, 4LL * (place.topLeft() - corners[c]).manhattanLength() + c);
            // Covering the route weighs most, then the stations hidden, then the corner.
            const long long score =
                cover.RoutePixels(place.adjusted(-margin, -margin, margin, margin)) * 1'000'000'000LL +
                cover.Stations(place) * 10'000LL + nearest;
            if (score < bestScore) {
                bestScore = score;
                best = place.topLeft();
            }
        }
    return best;
}

}  // namespace tnx::ui
