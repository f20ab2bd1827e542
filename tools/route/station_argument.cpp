#include "tools/route/station_argument.h"

#include <algorithm>
#include <charconv>

#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx {
namespace {

// Lower case of Windows-1251 text: ASCII, А..Я and Ё.
std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'A' && b <= 'Z') c = static_cast<char>(b + 32);
        else if (b >= 0xC0 && b <= 0xDF) c = static_cast<char>(b + 32);
        else if (b == 0xA8) c = static_cast<char>(0xB8);
    }
    return out;
}

}  // namespace

TStationMatch ResolveStation(const TCity& city, const std::string& argument) {
    TStationMatch match;
    int number = 0;
    const char* end = argument.data() + argument.size();
    const auto parsed = std::from_chars(argument.data(), end, number);
    if (parsed.ec == std::errc() && parsed.ptr == end) {
        if (number >= 1 && number <= city.NumOfStations) match.Station = static_cast<std::uint8_t>(number);
        return match;
    }
    const auto bytes = Utf8ToCp1251(argument);
    if (!bytes || bytes->empty()) return match;
    if (const std::uint8_t n = FindStationByName(city, *bytes); n != 0) {
        match.Station = n;
        return match;
    }
    for (int n = 1; n <= city.NumOfStations; ++n) {
        if (DisplayName(StoredName(city.Station(static_cast<std::uint8_t>(n)))) == *bytes)
            match.Candidates.push_back(static_cast<std::uint8_t>(n));
    }
    if (match.Candidates.size() == 1) {
        match.Station = match.Candidates.front();
        match.Candidates.clear();
        return match;
    }
    if (!match.Candidates.empty()) return match;
    const std::string wanted = Lower(*bytes);
    for (int n = 1; n <= city.NumOfStations; ++n) {
        const std::string name = Lower(DisplayName(StoredName(city.Station(static_cast<std::uint8_t>(n)))));
        if (name.find(wanted) != std::string::npos) match.Candidates.push_back(static_cast<std::uint8_t>(n));
    }
    return match;
}

}  // namespace tnx
