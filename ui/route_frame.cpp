#include "ui/route_frame.h"

#include <QPainter>
#include <algorithm>

#include "model/ring.h"
#include "ui/ring_arc.h"

namespace tnx::ui {
namespace {

constexpr int kPenWidth = 3;

QPoint At(const TStation& s) { return {s.X, s.Y}; }

QPoint CircleCorner(const TStation& s) { return {s.X - 5, s.Y - 5}; }

class TRouteFramePainter {
public:
    TRouteFramePainter(QImage& frame, const TRouteFrameInput& input)
        : in_(input), count_(std::min<int>(input.City.NumOfStations, kMaxStations)), painter_(&frame) {}

    bool Valid(std::uint8_t n) const { return n >= 1 && n <= count_; }
    bool OnRoute(std::uint8_t n) const { return Valid(n) && in_.Stations.Has(n); }
    const TStation& Station(std::uint8_t n) const { return in_.City.Station(n); }

    // The end marker first, so that the start lies on top.
    void Markers() {
        Marker(in_.EndStation, in_.Bitmaps.Flag2);
        Marker(in_.StartStation, in_.Bitmaps.Flag1);
    }

    void Segments() {
        painter_.setPen(QPen(QColor(255, 255, 255), kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (int n = 1; n <= count_; ++n) {
            const auto i = static_cast<std::uint8_t>(n);
            if (!in_.Stations.Has(i)) continue;
            const TStation& s = Station(i);
            // Each station draws towards the first of its neighbours on the route only.
            if (OnRoute(s.Next))
                Segment(s, Station(s.Next), s.BendToNextX, s.BendToNextY);
            else if (OnRoute(s.Prev))
                Segment(s, Station(s.Prev), s.BendToPrevX, s.BendToPrevY);
            if (s.InOperation != 0) Circle(s);
        }
    }

    void Transfers() {
        painter_.setPen(QPen(QColor(0, 255, 255), kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const int lines = std::min<int>(in_.City.NumOfLines, kMaxLines);
        // The table is mirrored: its lower triangle holds every pair.
        for (int j = 1; j <= lines; ++j)
            for (int k = 1; k <= j; ++k)
                for (int option = 1; option <= 2; ++option) {
                    const TTransferOption& t =
                        in_.City.Transfer(static_cast<std::uint8_t>(j), static_cast<std::uint8_t>(k), option);
                    if (!OnRoute(t.FromStation) || !OnRoute(t.ToStation)) continue;
                    if (!in_.Transfers.Has(t.FromStation) && !in_.Transfers.Has(t.ToStation)) continue;
                    painter_.drawLine(At(Station(t.FromStation)), At(Station(t.ToStation)));
                }
    }

private:
    void Segment(const TStation& from, const TStation& to, std::uint16_t bendX, std::uint16_t bendY) {
        if (IsRingLine(in_.City.CityCode, from.Line)) {
            DrawRingArc(painter_, At(from), At(to));
        } else if (bendX != 0) {
            const QPoint path[] = {At(from), QPoint(bendX, bendY), At(to)};
            painter_.drawPolyline(path, 3);
        } else {
            painter_.drawLine(At(from), At(to));
        }
        if (to.InOperation != 0) Circle(to);
    }

    void Marker(std::uint8_t n, const QImage& picture) {
        if (Valid(n)) painter_.drawImage(MarkerCorner(Station(n).X, Station(n).Y), picture);
    }

    void Circle(const TStation& s) { painter_.drawImage(CircleCorner(s), in_.Bitmaps.Circle); }

    const TRouteFrameInput& in_;
    int count_;
    QPainter painter_;
};

}  // namespace

void PaintRouteFrame(QImage& frame, const TRouteFrameInput& input) {
    frame = input.Bitmaps.SchemeBitmap.convertToFormat(QImage::Format_RGB32);
    if (frame.isNull()) return;
    TRouteFramePainter painter(frame, input);
    if (input.StartStation == input.EndStation) {
        painter.Markers();
        return;
    }
    painter.Segments();
    painter.Transfers();
}

}  // namespace tnx::ui
