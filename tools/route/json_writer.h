// Just enough JSON for the route tool's output, and the same care for its text output.
#pragma once

#include <string>
#include <string_view>

namespace tnx {

// A JSON string; bytes that are no UTF-8 become U+FFFD.
std::string JsonString(std::string_view utf8);

// Text safe to print on a terminal: control characters, a backslash and bytes
// that are no UTF-8 are written as escapes (\t, \n, \r, \\, \xHH, \u0085).
std::string EscapedText(std::string_view utf8);

}  // namespace tnx
