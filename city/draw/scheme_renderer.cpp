#include "city/draw/scheme_renderer.h"

#include <QPainter>
#include <QPainterPath>

#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

QPainterPath Polyline(const std::vector<QPointF>& points) {
    QPainterPath path(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        path.lineTo(points[i]);
    }
    return path;
}

void PaintRivers(QPainter& painter, const std::vector<RiverBand>& rivers) {
    painter.setBrush(Qt::NoBrush);
    for (const RiverBand& river : rivers) {
        painter.setPen(QPen(kRiverColour, river.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(Polyline(river.points));
    }
}

void PaintTracks(QPainter& painter, const std::vector<TrackSegment>& tracks) {
    painter.setBrush(Qt::NoBrush);
    for (const TrackSegment& segment : tracks) {
        QPen pen(segment.colour, segment.planned ? kPlannedTrackWidth : kTrackWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (segment.planned) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({2.0, 1.0});  // in pen widths
        }
        painter.setPen(pen);
        painter.drawPath(Polyline(segment.points));
    }
}

void PaintTransfers(QPainter& painter, const std::vector<TransferLink>& transfers) {
    // A light band with a dark edge, drawn under the marks so it joins them.
    for (const auto& [width, colour] :
         {std::pair{kTransferOuterWidth, kTransferEdge}, std::pair{kTransferInnerWidth, kMarkFill}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        for (const TransferLink& link : transfers) {
            painter.drawLine(link.from, link.to);
        }
    }
}

void PaintMarks(QPainter& painter, const std::vector<StationMark>& marks) {
    for (const StationMark& mark : marks) {
        if (mark.inOperation) {
            painter.setPen(QPen(mark.colour, kMarkRingWidth));
            painter.setBrush(kMarkFill);
            painter.drawEllipse(mark.centre, kMarkRadius, kMarkRadius);
        } else {
            painter.setPen(QPen(kPlannedMarkRing, kPlannedMarkRingWidth));
            painter.setBrush(kBackground);
            painter.drawEllipse(mark.centre, kPlannedMarkRadius, kPlannedMarkRadius);
        }
    }
}

void PaintLabels(QPainter& painter, const SchemeLayout& layout) {
    painter.setFont(layout.font);
    for (const StationLabel& label : layout.labels) {
        painter.setPen(label.inOperation ? kTextColour : kPlannedTextColour);
        painter.drawText(label.baseline, label.text);
        if (!label.secondLine.isEmpty()) painter.drawText(label.secondBaseline, label.secondLine);
    }
}

}  // namespace

QImage PaintScheme(const SchemeLayout& layout) {
    QImage image(kSchemeWidth, kSchemeHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintRivers(painter, layout.rivers);
    PaintTracks(painter, layout.tracks);
    PaintTransfers(painter, layout.transfers);
    PaintMarks(painter, layout.marks);
    PaintLabels(painter, layout);
    painter.end();
    return image;
}

QImage RenderScheme(const CitySource& city) { return PaintScheme(LayOutScheme(city)); }

std::vector<QRgb> SchemeColours(const CitySource& city) {
    std::vector<QRgb> colours = {kBackground.rgb(),        kMarkFill.rgb(),        kTextColour.rgb(),
                                 kPlannedTextColour.rgb(), kPlannedMarkRing.rgb(), kTransferEdge.rgb(),
                                 kRiverColour.rgb()};
    for (const LineSource& line : city.lines) {
        colours.push_back(qRgb(line.colour[0], line.colour[1], line.colour[2]));
    }
    return colours;
}

}  // namespace tnx::city::draw
