// What a city module holds besides its byte layouts: the names of its resources, the
// sizes of its pictures, the range of city codes, and how its INFO text ends.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tnx {

// A city code indexes the program's table of city names.
constexpr int kMinCityCode = 1;
constexpr int kMaxCityCode = 14;
constexpr bool IsCityCode(int code) { return code >= kMinCityCode && code <= kMaxCityCode; }
// Why a module with this code is refused: "CityCode = 15, допустимо 1..14".
std::string CityCodeOutOfRange(int code);

// The scheme is shown at 1:1, so station coordinates are its pixels.
constexpr int kSchemeWidth = 591;
constexpr int kSchemeHeight = 575;
constexpr int kLineIconSize = 16;
constexpr int kFlagSize = 14;
constexpr int kCircleSize = 10;

namespace resource {

// Data resources.
constexpr const char* kStations = "STATIONS";
constexpr const char* kChanges = "CHANGES";
constexpr const char* kDayWait = "DWAITTIME";
constexpr const char* kEveningWait = "NWAITTIME";
constexpr const char* kInfo = "INFO";

// Pictures: the scheme, the start and end markers (an "A" marks the blinking form),
// the transfer circle and one icon per line, "L1" to "L11".
constexpr const char* kMap = "MAP";
constexpr const char* kFlag1 = "FLAG1";
constexpr const char* kFlag2 = "FLAG2";
constexpr const char* kFlag1A = "FLAG1A";
constexpr const char* kFlag2A = "FLAG2A";
constexpr const char* kCircle = "CIRCLE";
std::string LineIcon(int line);

}  // namespace resource

// The INFO text: its bytes up to the first NUL, Windows-1251.
std::string InfoText(std::span<const std::uint8_t> bytes);

}  // namespace tnx
