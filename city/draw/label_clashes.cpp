#include "city/draw/label_clashes.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

// Names need a pixel of air around their glyphs to stay legible.
constexpr double kClearance = 1.0;

double DistanceToRect(QPointF p, const QRectF& r) {
    const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return std::hypot(dx, dy);
}

bool LineTouches(QPointF from, QPointF to, double halfWidth, const QRectF& r) {
    // No sample of the segment can come nearer than its box does.
    const double reach = halfWidth + kClearance + 1;
    if (!QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach).intersects(r)) return false;
    const double length = QLineF(from, to).length();
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 2)));
    for (int i = 0; i <= steps; ++i) {
        const QPointF p = from + (to - from) * (static_cast<double>(i) / steps);
        if (DistanceToRect(p, r) < halfWidth + kClearance) {
            return true;
        }
    }
    return false;
}

QString ShownName(const StationLabel& label) {
    return label.secondLine.isEmpty() ? label.text : label.text + u' ' + label.secondLine;
}

std::string Describe(const StationLabel& label) {
    return "station " + std::to_string(label.station) + " \"" + ShownName(label).toStdString() + "\"";
}

// The mark called name nearest to ink, or null when no station has that name.
const StationMark* NearestOwnMark(const QRectF& ink, const QString& name, const SchemeLayout& layout) {
    const StationMark* own = nullptr;
    for (const StationMark& mark : layout.marks) {
        if (mark.name == name &&
            (own == nullptr || DistanceToRect(mark.centre, ink) < DistanceToRect(own->centre, ink))) {
            own = &mark;
        }
    }
    return own;
}

std::string FindClash(const StationLabel& label, const SchemeLayout& layout) {
    const QRectF ink = label.ink;
    if (ink.left() < 0 || ink.top() < 0 || ink.right() > kSchemeWidth || ink.bottom() > kSchemeHeight) {
        return "runs off the scheme";
    }
    for (const StationLabel& other : layout.labels) {
        if (&other != &label && NamesTouch(ink, other.ink)) {
            return "touches the name of " + Describe(other);
        }
    }
    return FindDrawingClash(ink, layout);
}

}  // namespace

std::string FindDrawingClash(const QRectF& ink, const SchemeLayout& layout) {
    for (const RiverBand& river : layout.rivers) {
        for (std::size_t i = 1; i < river.points.size(); ++i) {
            if (LineTouches(river.points[i - 1], river.points[i], river.width / 2, ink)) {
                return "touches a river";
            }
        }
    }
    for (const TrackSegment& track : layout.tracks) {
        const double halfWidth = (track.planned ? kPlannedTrackWidth : kTrackWidth) / 2;
        for (std::size_t i = 1; i < track.points.size(); ++i) {
            if (LineTouches(track.points[i - 1], track.points[i], halfWidth, ink)) {
                return "touches a track";
            }
        }
    }
    for (const TransferLink& link : layout.transfers) {
        if (LineTouches(link.from, link.to, kTransferOuterWidth / 2, ink)) {
            return "touches a transfer";
        }
    }
    for (const StationMark& mark : layout.marks) {
        const double radius =
            mark.inOperation ? kMarkRadius + kMarkRingWidth / 2 : kPlannedMarkRadius + kPlannedMarkRingWidth / 2;
        if (DistanceToRect(mark.centre, ink) < radius + kClearance) {
            return "touches a station mark";
        }
    }
    return {};
}

bool NamesTouch(const QRectF& a, const QRectF& b) {
    return a.adjusted(-kClearance, -kClearance, kClearance, kClearance).intersects(b);
}

std::vector<const StationMark*> MarksNearerThanOwn(const QRectF& ink, const QString& name, const SchemeLayout& layout,
                                                   double margin) {
    const StationMark* ownMark = NearestOwnMark(ink, name, layout);
    const double own = ownMark ? DistanceToRect(ownMark->centre, ink) : std::numeric_limits<double>::infinity();
    std::vector<const StationMark*> nearer;
    for (const StationMark& mark : layout.marks) {
        if (mark.name != name && DistanceToRect(mark.centre, ink) < own + margin) nearer.push_back(&mark);
    }
    return nearer;
}

bool TrackCutsNameOff(const QRectF& ink, const QString& name, const SchemeLayout& layout) {
    const StationMark* own = NearestOwnMark(ink, name, layout);
    if (own == nullptr) return false;
    const QPointF nearest(std::clamp(own->centre.x(), ink.left(), ink.right()),
                          std::clamp(own->centre.y(), ink.top(), ink.bottom()));
    const QLineF sight(own->centre, nearest);
    const auto endsAtMark = [&](QPointF p) { return QLineF(p, own->centre).length() < 0.5; };
    for (const TrackSegment& track : layout.tracks) {
        if (endsAtMark(track.points.front()) || endsAtMark(track.points.back())) continue;
        for (std::size_t i = 1; i < track.points.size(); ++i) {
            if (sight.intersects(QLineF(track.points[i - 1], track.points[i])) == QLineF::BoundedIntersection)
                return true;
        }
    }
    return false;
}

std::vector<std::string> FindMisleadingNames(const SchemeLayout& layout) {
    std::vector<std::string> misleading;
    for (const StationLabel& label : layout.labels) {
        const QString name = ShownName(label);
        if (TrackCutsNameOff(label.ink, name, layout)) {
            misleading.push_back("name of " + Describe(label) + " is cut off from its mark by a track");
            continue;
        }
        const auto nearer = MarksNearerThanOwn(label.ink, name, layout);
        if (nearer.empty()) continue;
        const StationMark* nearest = *std::min_element(nearer.begin(), nearer.end(), [&](auto* a, auto* b) {
            return DistanceToRect(a->centre, label.ink) < DistanceToRect(b->centre, label.ink);
        });
        char distances[64];
        std::snprintf(distances, sizeof distances, " (%.1f px) than its own (%.1f px)",
                      DistanceToRect(nearest->centre, label.ink),
                      DistanceToRect(NearestOwnMark(label.ink, name, layout)->centre, label.ink));
        misleading.push_back("name of " + Describe(label) + " is nearer the mark of \"" + nearest->name.toStdString() +
                             "\"" + distances);
    }
    return misleading;
}

std::vector<std::string> FindLabelClashes(const SchemeLayout& layout) {
    std::vector<std::string> clashes;
    for (const StationLabel& label : layout.labels) {
        if (const std::string clash = FindClash(label, layout); !clash.empty()) {
            clashes.push_back("name of " + Describe(label) + " " + clash);
        }
    }
    return clashes;
}

}  // namespace tnx::city::draw
