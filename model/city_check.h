// Checks that make a loaded city safe to search and draw: every number that
// indexes a table stays inside the city.
#pragma once

#include <string>

#include "model/city_tables.h"

namespace tnx {

// Empty when the city is usable; otherwise a message naming the station or cell and the field.
std::string CheckCityTables(const TCity& city);

}  // namespace tnx
