// Where everything of a city's scheme goes, before anything is painted.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string_view>
#include <vector>

#include "city/source/city_source.h"

namespace tnx::city::draw {

// A piece of track from a station to its Next, through the bend point when
// there is one, or along the ellipse of the ring of the city with code 1.
// Points are pixel centres.
struct TrackSegment {
    QColor colour;
    std::vector<QPointF> points;
    bool planned = false;  // an end is not in operation
};

struct TransferLink {
    QPointF from;
    QPointF to;
};

struct StationMark {
    QPointF centre;
    QColor colour;
    bool inOperation = false;
    QString name;  // as shown
    int station = 0;
};

struct StationLabel {
    int station = 0;
    QString text;
    QPointF baseline;    // where the text is drawn from
    QString secondLine;  // the rest of a name set in two lines
    QPointF secondBaseline;
    QRectF ink;  // the pixels the glyphs cover
    bool inOperation = false;
};

// A river or an arm of it, a band drawn under everything else.
struct RiverBand {
    std::vector<QPointF> points;
    double width = 0;
};

struct SchemeLayout {
    QFont font;
    std::vector<RiverBand> rivers;
    std::vector<TrackSegment> tracks;
    std::vector<TransferLink> transfers;
    std::vector<StationMark> marks;
    std::vector<StationLabel> labels;
};

// The font a city's station names are set in: condensed for a city of more than
// kCondensedFromStations stations.
QFont SchemeFont(const CitySource& city);

// The name as shown: the stored UTF-8 name without a trailing "~" and one character.
QString StationDisplayName(std::string_view storedName);

// Links to stations that do not exist are left out; FindDrawingProblem reports them.
SchemeLayout LayOutScheme(const CitySource& city);
SchemeLayout LayOutScheme(const CitySource& city, const QFont& font);

}  // namespace tnx::city::draw
