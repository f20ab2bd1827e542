#include "city/draw/scheme_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "city/draw/label_placement.h"
#include "city/draw/scheme_style.h"
#include "model/ring.h"

namespace tnx::city::draw {
namespace {

// QPainter puts pixel (x, y) at [x, x + 1) x [y, y + 1).
QPointF PixelCentre(int x, int y) { return {x + 0.5, y + 0.5}; }

// Drawn on the ring's ellipse, because the route animation draws its arcs there.
bool OnDrawnRing(const CitySource& city, const StationSource& station) {
    return IsRingLine(city.cityCode, station.line);
}

// The ellipse from one station to the other the short way round, as a polyline
// fine enough to look smooth and to be checked like any other track.
std::vector<QPointF> RingArc(QPointF from, QPointF to) {
    const QPointF centre = QPointF((kRingLeft + kRingRight) / 2.0, (kRingTop + kRingBottom) / 2.0) + QPointF(0.5, 0.5);
    const double rx = (kRingRight - kRingLeft) / 2.0;
    const double ry = (kRingBottom - kRingTop) / 2.0;
    const auto angle = [&](QPointF p) { return std::atan2((p.y() - centre.y()) / ry, (p.x() - centre.x()) / rx); };
    const double start = angle(from);
    const double sweep = std::remainder(angle(to) - start, 2 * std::numbers::pi);
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) * std::max(rx, ry) / 2)));
    std::vector<QPointF> points{from};
    for (int i = 1; i < steps; ++i) {
        const double a = start + sweep * i / steps;
        points.emplace_back(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
    }
    points.push_back(to);
    return points;
}

QColor LineColour(const CitySource& city, int lineNumber) {
    for (const LineSource& line : city.lines) {
        if (line.number == lineNumber) {
            return QColor(line.colour[0], line.colour[1], line.colour[2]);
        }
    }
    return Qt::black;
}

// The track between a station and its Next. Every link is drawn on its own.
TrackSegment LinkSegment(const StationSource& from, const StationSource& to, const QColor& colour, bool onRing) {
    TrackSegment segment;
    segment.colour = colour;
    segment.planned = !from.inOperation || !to.inOperation;
    if (onRing) {
        segment.points = RingArc(PixelCentre(from.x, from.y), PixelCentre(to.x, to.y));
        return segment;
    }
    segment.points.push_back(PixelCentre(from.x, from.y));
    // A bend X of 0 means a straight segment, whatever the bend Y.
    if (from.bendToNext && from.bendToNext->x != 0) {
        segment.points.push_back(PixelCentre(from.bendToNext->x, from.bendToNext->y));
    }
    segment.points.push_back(PixelCentre(to.x, to.y));
    return segment;
}

// At the space nearest the middle, so neither line runs much longer than the other.
std::pair<QString, QString> SplitInTwoLines(const QString& text) {
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' && (best < 0 || std::abs(2 * i - text.size()) < std::abs(2 * best - text.size()))) best = i;
    }
    if (best < 0) return {text, QString()};
    return {text.left(best), text.mid(best + 1)};
}

StationLabel LayOutLabel(const StationSource& station, const QFontMetricsF& metrics) {
    StationLabel label;
    label.station = station.number;
    label.text = StationDisplayName(station.name);
    label.inOperation = station.inOperation;

    if (station.label.twoLines) {
        const auto [first, second] = SplitInTwoLines(label.text);
        label.text = first;
        label.secondLine = second;
    }
    // A second line goes under the first, both flush towards the station.
    const double height = metrics.ascent() + metrics.descent();
    const double spacing = std::floor(height);
    const bool twoLines = !label.secondLine.isEmpty();
    const double firstWidth = metrics.horizontalAdvance(label.text);
    const double secondWidth = twoLines ? metrics.horizontalAdvance(label.secondLine) : 0.0;
    const double width = std::max(firstWidth, secondWidth);
    const QSizeF textSize(width, twoLines ? spacing + height : height);
    const QRectF box = LabelBox(PixelCentre(station.x, station.y), station.label, textSize);
    const auto indent = [&](double lineWidth) {
        switch (station.label.side) {
        case LabelSide::W:
        case LabelSide::NW:
        case LabelSide::SW:
            return std::round(width - lineWidth);
        case LabelSide::N:
        case LabelSide::S:
            return std::round((width - lineWidth) / 2);
        default:
            return 0.0;
        }
    };
    label.baseline = QPointF(box.left() + indent(firstWidth), box.top() + metrics.ascent());
    label.ink = metrics.tightBoundingRect(label.text).translated(label.baseline);
    if (twoLines) {
        label.secondBaseline = QPointF(box.left() + indent(secondWidth), label.baseline.y() + spacing);
        label.ink = label.ink.united(metrics.tightBoundingRect(label.secondLine).translated(label.secondBaseline));
    }
    return label;
}

}  // namespace

QFont SchemeFont(const CitySource& city) {
    // The core DejaVu face is on every build machine, so a city draws the same
    // everywhere; any sans-serif stands in where it is missing. A city too dense
    // for it on the same scheme takes the condensed face of fonts-dejavu-extra.
    const bool dense = static_cast<int>(city.stations.size()) > kCondensedFromStations;
    QFont font(dense ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kLabelPixelSize);
    return font;
}

QString StationDisplayName(std::string_view storedName) {
    QString name = QString::fromUtf8(storedName.data(), static_cast<qsizetype>(storedName.size()));
    // One character may be a surrogate pair.
    for (const qsizetype suffixLength : {2, 3}) {
        const qsizetype tilde = name.size() - suffixLength;
        if (tilde >= 0 && name[tilde] == u'~' && (suffixLength == 2 || name[tilde + 1].isHighSurrogate())) {
            return name.left(tilde);
        }
    }
    return name;
}

SchemeLayout LayOutScheme(const CitySource& city) { return LayOutScheme(city, SchemeFont(city)); }

SchemeLayout LayOutScheme(const CitySource& city, const QFont& font) {
    SchemeLayout layout;
    layout.font = font;

    std::map<int, const StationSource*> byNumber;
    for (const StationSource& station : city.stations) {
        byNumber.emplace(station.number, &station);
    }
    auto find = [&](int number) -> const StationSource* {
        const auto it = byNumber.find(number);
        return it == byNumber.end() ? nullptr : it->second;
    };

    for (const RiverSource& river : city.rivers) {
        RiverBand band;
        band.width = river.width;
        for (const Point& point : river.points) band.points.push_back(PixelCentre(point.x, point.y));
        layout.rivers.push_back(std::move(band));
    }

    for (const StationSource& station : city.stations) {
        const StationSource* next = station.next != 0 ? find(station.next) : nullptr;
        if (next == nullptr) {
            continue;
        }
        layout.tracks.push_back(LinkSegment(station, *next, LineColour(city, station.line),
                                            OnDrawnRing(city, station) && OnDrawnRing(city, *next)));
    }

    for (const TransferSource& transfer : city.transfers) {
        const StationSource* from = find(transfer.from);
        const StationSource* to = find(transfer.to);
        if (from != nullptr && to != nullptr) {
            layout.transfers.push_back({PixelCentre(from->x, from->y), PixelCentre(to->x, to->y)});
        }
    }

    const QFontMetricsF metrics(font);
    for (const StationSource& station : city.stations) {
        layout.marks.push_back({PixelCentre(station.x, station.y), LineColour(city, station.line), station.inOperation,
                                StationDisplayName(station.name), station.number});
        // A hidden name is shown by a transfer partner of the same name.
        if (station.label.shown) {
            layout.labels.push_back(LayOutLabel(station, metrics));
        }
    }
    return layout;
}

}  // namespace tnx::city::draw
