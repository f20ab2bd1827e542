#include "city/draw/scheme_layout.h"

#include <QFontMetricsF>
#include <map>

#include "city/draw/label_placement.h"
#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

// QPainter puts pixel (x, y) at [x, x + 1) x [y, y + 1).
QPointF PixelCentre(int x, int y) { return {x + 0.5, y + 0.5}; }

QColor LineColour(const CitySource& city, int lineNumber) {
    for (const LineSource& line : city.lines) {
        if (line.number == lineNumber) {
            return QColor(line.colour[0], line.colour[1], line.colour[2]);
        }
    }
    return Qt::black;
}

// The track between a station and its Next. Every link is drawn on its own,
// so a line shaped otherwise (a ring on an ellipse) changes only this.
TrackSegment LinkSegment(const StationSource& from, const StationSource& to, const QColor& colour) {
    TrackSegment segment;
    segment.colour = colour;
    segment.planned = !from.inOperation || !to.inOperation;
    segment.points.push_back(PixelCentre(from.x, from.y));
    // A bend X of 0 means a straight segment, whatever the bend Y.
    if (from.bendToNext && from.bendToNext->x != 0) {
        segment.points.push_back(PixelCentre(from.bendToNext->x, from.bendToNext->y));
    }
    segment.points.push_back(PixelCentre(to.x, to.y));
    return segment;
}

StationLabel LayOutLabel(const StationSource& station, const QFontMetricsF& metrics) {
    StationLabel label;
    label.station = station.number;
    label.text = StationDisplayName(station.name);
    label.inOperation = station.inOperation;

    const QSizeF textSize(metrics.horizontalAdvance(label.text), metrics.ascent() + metrics.descent());
    const QRectF box = LabelBox(PixelCentre(station.x, station.y), station.label, textSize);
    label.baseline = QPointF(box.left(), box.top() + metrics.ascent());
    label.ink = metrics.tightBoundingRect(label.text).translated(label.baseline);
    return label;
}

}  // namespace

QFont SchemeFont() {
    // The core DejaVu face is on every build machine, so a city draws the same
    // everywhere; any sans-serif stands in where it is missing.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kLabelPixelSize);
    return font;
}

QString StationDisplayName(std::string_view storedName) {
    QString name = QString::fromUtf8(storedName.data(), static_cast<qsizetype>(storedName.size()));
    // One character may be a surrogate pair.
    for (const qsizetype suffixLength : {2, 3}) {
        const qsizetype tilde = name.size() - suffixLength;
        if (tilde >= 0 && name[tilde] == u'~' &&
            (suffixLength == 2 || name[tilde + 1].isHighSurrogate())) {
            return name.left(tilde);
        }
    }
    return name;
}

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

    for (const StationSource& station : city.stations) {
        const StationSource* next = station.next != 0 ? find(station.next) : nullptr;
        if (next == nullptr) {
            continue;
        }
        layout.tracks.push_back(LinkSegment(station, *next, LineColour(city, station.line)));
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
        layout.marks.push_back(
            {PixelCentre(station.x, station.y), LineColour(city, station.line), station.inOperation});
        layout.labels.push_back(LayOutLabel(station, metrics));
    }
    return layout;
}

}  // namespace tnx::city::draw
