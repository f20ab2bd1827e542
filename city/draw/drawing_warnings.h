// Everything tnx-draw warns of in a laid-out scheme; a shipped city has none.
#pragma once

#include <string>
#include <vector>

#include "city/draw/scheme_layout.h"

namespace tnx::city::draw {

// Clashing names, misleading names, names read with another line, marks crowded
// by another line's track and marks on a river, in that order.
std::vector<std::string> FindDrawingWarnings(const SchemeLayout& layout);

}  // namespace tnx::city::draw
