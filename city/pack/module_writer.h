// Turns a packed city and its pictures into the bytes of its module file.
#pragma once

#include <cstdint>
#include <vector>

#include "city/pack/bitmap_resource.h"
#include "city/pack/city_pack.h"

namespace tnx::city {

// Resources come in the order STATIONS, CHANGES, DWAITTIME, NWAITTIME, INFO,
// then the bitmaps as given; the same city always gives the same bytes.
std::vector<std::uint8_t> WriteModuleBytes(const PackedCity& city, const std::vector<BitmapResource>& bitmaps);

}  // namespace tnx::city
