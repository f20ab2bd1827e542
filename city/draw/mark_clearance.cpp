#include "city/draw/mark_clearance.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

constexpr double kBackgroundBetween = 1.0;

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double lengthSquared = QPointF::dotProduct(d, d);
    const double t = lengthSquared == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / lengthSquared, 0.0, 1.0);
    return QLineF(p, a + d * t).length();
}

double MarkOuterRadius(const StationMark& mark) {
    return mark.inOperation ? kMarkRadius + kMarkRingWidth / 2 : kPlannedMarkRadius + kPlannedMarkRingWidth / 2;
}

std::string Describe(const StationMark& mark) {
    return "mark of station " + std::to_string(mark.station) + " \"" + mark.name.toStdString() + "\"";
}

}  // namespace

std::vector<std::string> FindMarksCrowdedByTracks(const SchemeLayout& layout) {
    std::vector<std::string> crowded;
    for (const StationMark& mark : layout.marks) {
        double nearest = std::numeric_limits<double>::infinity();
        double allowed = 0;
        for (const TrackSegment& track : layout.tracks) {
            if (track.colour == mark.colour) continue;
            const double halfWidth = (track.planned ? kPlannedTrackWidth : kTrackWidth) / 2;
            for (size_t i = 1; i < track.points.size(); ++i) {
                const double distance = DistanceToSegment(mark.centre, track.points[i - 1], track.points[i]);
                if (distance - halfWidth < nearest - allowed) {
                    nearest = distance;
                    allowed = halfWidth;
                }
            }
        }
        const double gap = nearest - allowed - MarkOuterRadius(mark);
        if (gap < kBackgroundBetween) {
            char distance[32];
            std::snprintf(distance, sizeof distance, "%.1f", nearest);
            crowded.push_back(Describe(mark) + " has another line's track " + distance + " px from its centre");
        }
    }
    return crowded;
}

std::vector<std::string> FindMarksOnRivers(const SchemeLayout& layout) {
    std::vector<std::string> flooded;
    for (const StationMark& mark : layout.marks) {
        for (const RiverBand& river : layout.rivers) {
            double nearest = std::numeric_limits<double>::infinity();
            for (size_t i = 1; i < river.points.size(); ++i) {
                nearest = std::min(nearest, DistanceToSegment(mark.centre, river.points[i - 1], river.points[i]));
            }
            if (nearest - river.width / 2 - MarkOuterRadius(mark) < kBackgroundBetween) {
                flooded.push_back(Describe(mark) + " lies on a river");
                break;
            }
        }
    }
    return flooded;
}

}  // namespace tnx::city::draw
