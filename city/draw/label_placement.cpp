#include "city/draw/label_placement.h"

#include <cmath>

#include "city/draw/scheme_style.h"

namespace tnx::city::draw {

QRectF LabelBox(QPointF centre, const LabelPlacement& placement, QSizeF textSize) {
    // Straight out the box clears the mark's ring; on a diagonal it may start
    // nearer, beside the ring's rounded corner.
    const double reach = kMarkRadius + kMarkRingWidth / 2 + kLabelGap;
    const double diagonal = reach * 0.75;
    const double w = textSize.width();
    const double h = textSize.height();
    const double cx = centre.x();
    const double cy = centre.y();

    QPointF topLeft;
    switch (placement.side) {
    case LabelSide::N:
        topLeft = {cx - w / 2, cy - reach - h};
        break;
    case LabelSide::NE:
        topLeft = {cx + diagonal, cy - diagonal - h};
        break;
    case LabelSide::E:
        topLeft = {cx + reach, cy - h / 2};
        break;
    case LabelSide::SE:
        topLeft = {cx + diagonal, cy + diagonal};
        break;
    case LabelSide::S:
        topLeft = {cx - w / 2, cy + reach};
        break;
    case LabelSide::SW:
        topLeft = {cx - diagonal - w, cy + diagonal};
        break;
    case LabelSide::W:
        topLeft = {cx - reach - w, cy - h / 2};
        break;
    case LabelSide::NW:
        topLeft = {cx - diagonal - w, cy - diagonal - h};
        break;
    }
    // Whole pixels keep the glyphs as crisp as the font's hinting made them.
    const QPointF snapped(std::round(topLeft.x() + placement.dx), std::round(topLeft.y() + placement.dy));
    return QRectF(snapped, textSize);
}

}  // namespace tnx::city::draw
