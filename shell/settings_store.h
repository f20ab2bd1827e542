// The user's settings: QSettings(NativeFormat, UserScope, "Orvane", "Tunnex"),
// which is HKCU\SOFTWARE\Orvane\Tunnex on Windows and ~/.config/Orvane/Tunnex.conf
// on Linux. Opened for every read or write and released at once; nothing is cached.
//
// The INI form drops empty groups and reads every value as text, so:
//  - "NoSplash" and "FirstTime" count as present as a value ("NoSplash=1") or as a
//    group holding anything, whatever the value says;
//  - numbers are parsed strictly: anything but a whole number 0..255 takes its default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/search_settings.h"

namespace tnx {

bool NoSplashPresent();

// Every write below checks the store afterwards and gives, when it failed, a message in
// Russian naming the file and the reason; empty when the values were stored. A failed
// write leaves what the file held untouched.
using TStoreFailure = std::string;

// True when "FirstTime" was present; it is removed. When the removal cannot be stored,
// failure holds why (the next start will be a first start again).
bool TakeFirstTime(TStoreFailure* failure = nullptr);

// The stored "CityFileName": its bytes as the file system names the file (UTF-8 text, or
// the raw bytes of a name that is no UTF-8); empty optional when there is none.
std::optional<std::string> StoredCityFileName();
TStoreFailure StoreCityFileName(const std::string& fileName);

// The settings of city cityCode. Without a stored group for the city every setting
// takes its default and FstStation is defFirstStation. A stored FstStation that names
// no station 1..numOfStations becomes 1, so the search always gets a real station.
TCitySettings ReadCitySettings(std::uint8_t cityCode, std::uint8_t numOfStations, std::uint8_t defFirstStation);

// Stores all seven settings in the group of city cityCode; booleans as 1 or 0.
TStoreFailure WriteCitySettings(std::uint8_t cityCode, const TCitySettings& settings);

// Where the settings are kept: the file on Linux, the registry key on Windows.
std::string SettingsLocation();

}  // namespace tnx
