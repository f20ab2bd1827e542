// Just enough JSON for the route tool's output.
#pragma once

#include <string>
#include <string_view>

namespace tnx {

std::string JsonString(std::string_view utf8);

}  // namespace tnx
