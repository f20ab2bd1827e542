// A small valid city built in code: line 1 runs 1 - 2 - 3 (3 not yet open),
// line 2 is the ring 4 - 5 - 6 - 4, and stations 2 and 5 share a transfer.
#pragma once

#include <string>

#include "city/pack/city_pack.h"
#include "city/source/city_source.h"

namespace tnx::city::testing {

CitySource SmallCity();

StationSource& StationOf(CitySource& city, int number);

// All errors of packing the city joined by new lines; empty when it packed.
std::string PackErrorsOf(const CitySource& city);

}  // namespace tnx::city::testing
