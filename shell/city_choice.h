// Which city module to open at start-up.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/module_catalog.h"

namespace tnx {

// The only listed module whatever is stored; else the stored "CityFileName", listed
// or not; else the module of "Москва"; else the first listed. Empty for an empty catalog.
std::string ChooseCurrentCityFile(const std::vector<TCatalogEntry>& catalog,
                                  const std::optional<std::string>& storedCityFileName);

// The files to try, in order, until one opens: `chosen`, then every listed file not yet
// tried. The program and tunnex-route both open their city this way.
std::vector<std::string> CityFilesToTry(const std::vector<TCatalogEntry>& catalog, const std::string& chosen);

// The position of fileName in the catalog, letter case ignored; -1 when absent.
int CatalogIndex(const std::vector<TCatalogEntry>& catalog, const std::string& fileName);

}  // namespace tnx
