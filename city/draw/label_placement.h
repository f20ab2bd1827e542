// Where a station's name sits around its mark.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "city/source/city_source.h"

namespace tnx::city::draw {

// The box of a text of the given size placed on the label's side of a mark
// centred at centre, clear of the mark, then moved by the label's dx, dy.
// Sideways boxes are centred vertically on the mark, upright ones horizontally.
QRectF LabelBox(QPointF centre, const LabelPlacement& placement, QSizeF textSize);

}  // namespace tnx::city::draw
