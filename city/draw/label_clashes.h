// Station names that would be hard to read where they are placed.
#pragma once

#include <QRectF>
#include <string>
#include <vector>

#include "city/draw/scheme_layout.h"

namespace tnx::city::draw {

// One message per name that runs off the scheme or touches another name, a
// river, a track, a transfer or a station mark (its own included). Names are moved by
// editing the Label column of stations.txt.
std::vector<std::string> FindLabelClashes(const SchemeLayout& layout);

// Why ink placed there would touch a river, a track, a transfer or a station mark of the
// layout, or empty when it is clear of them; the part of the check other names
// play no part in, for tools that try many places for one name.
std::string FindDrawingClash(const QRectF& ink, const SchemeLayout& layout);

// One message per name that a passenger would read as another station's: it sits
// nearer to the mark of a station of another name than to any mark of its own
// name, or a track runs between it and its nearest own mark.
std::vector<std::string> FindMisleadingNames(const SchemeLayout& layout);

// Whether a track other than those ending at the nearest mark called name runs
// between that mark and ink placed there.
bool TrackCutsNameOff(const QRectF& ink, const QString& name, const SchemeLayout& layout);

// The marks of stations not called name that are nearer to ink placed there than
// every mark called name, less margin pixels; for tools that try many places.
std::vector<const StationMark*> MarksNearerThanOwn(const QRectF& ink, const QString& name, const SchemeLayout& layout,
                                                   double margin = 0);

// Whether two names' ink is closer than the air names need between them.
bool NamesTouch(const QRectF& a, const QRectF& b);

}  // namespace tnx::city::draw
