#include "city/draw/small_pictures.h"

#include <QFont>
#include <QPainter>

#include "city/draw/keyed_glyph.h"
#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

const QColor kStartColour{0, 160, 60};
const QColor kEndColour{215, 25, 30};
const QColor kRimColour{40, 40, 40};
const QColor kWhite{255, 255, 255};

QImage TransparentCanvas(int size) {
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

// Markers are placed at (X - size / 2, Y - size / 2), so the station's own
// pixel is the one at (size / 2, size / 2); its centre is the marker's centre.
QPointF StationPixelCentre(int size) { return {size / 2 + 0.5, size / 2 + 0.5}; }

void PaintDisc(QPainter& painter, QPointF centre, double diameter, const QColor& fill,
               const QColor& rim = Qt::transparent, double rimWidth = 0) {
    const double radius = (diameter - rimWidth) / 2;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(rimWidth > 0 ? QPen(rim, rimWidth) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawEllipse(box);
}

}  // namespace

QImage RenderLineIcon(int lineNumber, const QColor& colour) {
    QImage canvas = TransparentCanvas(kLineIconSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDisc(painter, QPointF(kLineIconSize / 2.0, kLineIconSize / 2.0), kLineIconSize - 1, colour);

    const QString number = QString::number(lineNumber);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(number.size() > 1 ? 9 : 10);
    painter.setFont(font);
    painter.setPen(kWhite);
    painter.drawText(QRectF(0, 0, kLineIconSize, kLineIconSize), Qt::AlignCenter, number);
    painter.end();
    return FlattenOntoKey(canvas);
}

QImage RenderRouteFlag(RouteFlag flag) {
    const bool isStart = flag == RouteFlag::Start || flag == RouteFlag::StartAlternate;
    const bool alternate = flag == RouteFlag::StartAlternate || flag == RouteFlag::EndAlternate;
    const QColor colour = isStart ? kStartColour : kEndColour;

    QImage canvas = TransparentCanvas(kFlagSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // The main flag is a coloured disc in a white ring; the alternate swaps
    // the two, so the marker visibly changes while the route blinks.
    const QPointF centre = StationPixelCentre(kFlagSize);
    PaintDisc(painter, centre, kFlagSize - 1, alternate ? colour : kWhite, kRimColour, 1.0);
    PaintDisc(painter, centre, kFlagSize - 6, alternate ? kWhite : colour);
    painter.end();
    return FlattenOntoKey(canvas);
}

QImage RenderRouteCircle() {
    QImage canvas = TransparentCanvas(kCircleSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDisc(painter, StationPixelCentre(kCircleSize), kCircleSize - 1, kWhite, kRimColour, 1.5);
    painter.end();
    return FlattenOntoKey(canvas);
}

}  // namespace tnx::city::draw
