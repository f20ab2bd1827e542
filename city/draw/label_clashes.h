// Station names that would be hard to read where they are placed.
#pragma once

#include <string>
#include <vector>

#include "city/draw/scheme_layout.h"

namespace tnx::city::draw {

// One message per name that runs off the scheme or touches another name, a
// track, a transfer or a station mark (its own included). Names are moved by
// editing the Label column of stations.txt.
std::vector<std::string> FindLabelClashes(const SchemeLayout& layout);

}  // namespace tnx::city::draw
