// Russian texts of a route's duration, number of transfers and number of stops.
#pragma once

#include <cstdint>
#include <string>

namespace tnx {

std::string MinutesText(std::uint8_t minutes);  // "1 час 5 минут"
std::string ChangesText(std::uint8_t count);    // "2 пересадки"
std::string StopsText(int count);               // "3 остановки"

}  // namespace tnx
