// Parsers of single source fields. Each throws FieldError with a message that
// says what was expected; the caller adds the file, line and field name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "city/source/city_source.h"

namespace tnx::city {

class FieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decimal integer in [low, high].
int ParseInteger(std::string_view text, int low, int high);

// "0" or "1".
bool ParseFlag(std::string_view text);

// "#RRGGBB" or "R,G,B".
std::array<std::uint8_t, 3> ParseColour(std::string_view text);

// "X,Y" or "-" for none.
std::optional<Point> ParseBend(std::string_view text);

// At least two "X,Y" points separated by blanks, each coordinate in [low, high].
std::vector<Point> ParsePolyline(std::string_view text, int low, int high);

// A compass point, optionally followed by ",DX,DY".
LabelPlacement ParseLabel(std::string_view text);

}  // namespace tnx::city
