// Every picture a city module carries, rendered from the city's source.
#pragma once

#include <string>
#include <vector>

#include "city/draw/dib_writer.h"
#include "city/source/city_source.h"

namespace tnx::city::draw {

struct NamedPicture {
    std::string name;  // resource name: MAP, L1 .. Ln, FLAG1, FLAG2, FLAG1A, FLAG2A, CIRCLE
    IndexedImage image;
};

// Throws std::runtime_error with FindDrawingProblem's message when the city
// cannot be drawn.
std::vector<NamedPicture> RenderCityPictures(const CitySource& city);

}  // namespace tnx::city::draw
