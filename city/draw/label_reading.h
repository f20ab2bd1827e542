// Names that sit clear of everything yet read with the wrong line: a passenger
// takes a column of names for one line's list and a row of names for one name.
#pragma once

#include <QPointF>
#include <QRectF>
#include <string>
#include <vector>

#include "city/draw/scheme_layout.h"

namespace tnx::city::draw {

// Whether the mark stands level with the name's row, left or right of it, as a
// list's names stand by their marks; a name set at its mark's corner, above or
// below it is not.
bool NameBesideMark(const QRectF& ink, QPointF markCentre);

// Whether two names stand one under the other in one column, as a list's do.
bool NamesStacked(const QRectF& a, const QRectF& b);

// Whether two names share a row with too little room between them to read as two.
bool NamesRunTogether(const QRectF& a, const QRectF& b);

// One message per name that continues another line's list: it is not beside its
// own mark, and it is stacked on a name of another line that is beside its mark,
// or on a name that already reads as that line's. A grey name of a station not in
// operation does not read on in a list of black ones, nor the other way round.
// And one message per pair of names that run together on a row.
std::vector<std::string> FindNamesReadWithOtherLines(const SchemeLayout& layout);

}  // namespace tnx::city::draw
