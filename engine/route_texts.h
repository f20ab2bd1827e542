// Russian texts of a route's duration and number of transfers.
#pragma once

#include <cstdint>
#include <string>

namespace tnx {

std::string MinutesText(std::uint8_t minutes);  // "1 час 5 минут"
std::string ChangesText(std::uint8_t count);    // "2 пересадки"

}  // namespace tnx
