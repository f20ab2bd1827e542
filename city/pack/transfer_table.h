// Checks a city's transfers and lays them out as the mirrored transfer table.
#pragma once

#include "city/pack/pack_errors.h"
#include "city/source/city_source.h"
#include "model/city_format.h"

namespace tnx::city {

// Expects stations that passed CheckStations. Each transfer is given once and
// fills one option of cell (a, b) and its mirror in cell (b, a).
TTransferTable BuildTransferTable(const CitySource& source, PackErrors& errors);

}  // namespace tnx::city
