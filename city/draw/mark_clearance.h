// Station marks that another line's track runs too close to.
#pragma once

#include <string>
#include <vector>

#include "city/draw/scheme_layout.h"

namespace tnx::city::draw {

// One message per station mark that a track of another colour passes without a
// pixel of background between them: a passenger would take the station for a
// stop of that line. Tracks of the mark's own colour are its own line's.
std::vector<std::string> FindMarksCrowdedByTracks(const SchemeLayout& layout);

// One message per station mark that a river runs over or touches without a pixel
// of background between them: a river passes beside a station, never through it.
std::vector<std::string> FindMarksOnRivers(const SchemeLayout& layout);

}  // namespace tnx::city::draw
