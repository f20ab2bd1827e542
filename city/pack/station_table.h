// Checks a city's stations and lays them out as the station table.
#pragma once

#include "city/pack/pack_errors.h"
#include "city/source/city_source.h"
#include "model/city_format.h"

namespace tnx::city {

// Stations must be numbered 1..N without gaps or repeats; nothing else can be
// checked until they are.
void CheckStationNumbering(const CitySource& source, PackErrors& errors);

// Names, lines, positions, links, riding times, bends and the chain of each line.
// Expects a numbering that passed CheckStationNumbering.
void CheckStations(const CitySource& source, int lineCount, PackErrors& errors);

// Expects stations that passed both checks.
TStationTable BuildStationTable(const CitySource& source);

}  // namespace tnx::city
