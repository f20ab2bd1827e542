// Writes the generated source that, compiled with city/module/city_module.cpp,
// becomes a city's module.
#pragma once

#include <string>
#include <vector>

#include "city/pack/bitmap_resource.h"
#include "city/pack/city_pack.h"

namespace tnx::city {

// Resources come in the order STATIONS, CHANGES, DWAITTIME, NWAITTIME, INFO,
// then the bitmaps as given.
std::string WriteModuleSource(const PackedCity& city, const std::vector<BitmapResource>& bitmaps);

}  // namespace tnx::city
