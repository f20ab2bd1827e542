// Station names that would be hard to read where they are placed.
#pragma once

#include <QRectF>
#include <string>
#include <vector>

#include "city/draw/scheme_layout.h"

namespace tnx::city::draw {

// One message per name that runs off the scheme or touches another name, a
// track, a transfer or a station mark (its own included). Names are moved by
// editing the Label column of stations.txt.
std::vector<std::string> FindLabelClashes(const SchemeLayout& layout);

// Why ink placed there would touch a track, a transfer or a station mark of the
// layout, or empty when it is clear of them; the part of the check other names
// play no part in, for tools that try many places for one name.
std::string FindDrawingClash(const QRectF& ink, const SchemeLayout& layout);

// Whether two names' ink is closer than the air names need between them.
bool NamesTouch(const QRectF& a, const QRectF& b);

}  // namespace tnx::city::draw
