#include "model/lookups.h"

#include <algorithm>

namespace tnx {

std::string_view StoredName(const TStation& s) {
    const std::size_t length = std::min<std::size_t>(s.NameLength, kMaxNameLength);
    return {s.Name, length};
}

std::uint8_t FindStationByName(const TCity& city, std::string_view name) {
    const int count = std::min<int>(city.NumOfStations, kMaxStations);
    for (int n = 1; n <= count; ++n) {
        if (StoredName(city.Station(static_cast<std::uint8_t>(n))) == name) return static_cast<std::uint8_t>(n);
    }
    return 0;
}

std::string_view DisplayName(std::string_view storedName) {
    if (storedName.size() >= 2 && storedName[storedName.size() - 2] == '~')
        return storedName.substr(0, storedName.size() - 2);
    return storedName;
}

std::uint8_t LinkMinutes(const TCity& city, std::uint8_t a, std::uint8_t b) {
    const TStation& s = city.Station(a);
    if (s.Next == b) return s.MinutesToNext;
    if (s.Prev == b) return s.MinutesToPrev;
    return 255;
}

}  // namespace tnx
