// What keeps a parsed city folder from being drawn.
#pragma once

#include <string>

#include "city/source/city_source.h"

namespace tnx::city::draw {

// Empty when the city can be drawn; otherwise one message naming the file,
// the line and the field at fault. Only what the drawing relies on is checked:
// line numbers, station links, and coordinates inside the scheme.
std::string FindDrawingProblem(const CitySource& city);

}  // namespace tnx::city::draw
