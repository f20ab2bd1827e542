// The steps of a listed route in the route tool's two forms: indented lines and JSON.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "engine/route_steps.h"

namespace tnx {

// One indented line per step; a line saying so when the steps could not be traced.
void PrintLegs(std::ostream& out, const TCity& city, const std::optional<TRouteSteps>& steps);

// The "legs" array, or null when the steps could not be traced.
std::string LegsJson(const std::optional<TRouteSteps>& steps);

}  // namespace tnx
