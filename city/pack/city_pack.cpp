#include "city/pack/city_pack.h"

#include <algorithm>
#include <optional>

#include "city/pack/pack_errors.h"
#include "city/pack/route_checks.h"
#include "city/pack/station_table.h"
#include "city/pack/transfer_table.h"
#include "model/city_resources.h"
#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx::city {
namespace {

bool IsModuleFileName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

void CheckLineNumbering(const CitySource& source, PackErrors& errors) {
    if (source.lines.empty()) {
        errors.Add("lines.txt", {}, "Line", "the city has no line");
        return;
    }
    if (source.lines.size() > static_cast<std::size_t>(kMaxLines)) {
        errors.Add("lines.txt", {}, "Line", "a city has at most " + std::to_string(kMaxLines) + " lines");
        return;
    }
    for (std::size_t i = 0; i < source.lines.size(); ++i) {
        const LineSource& line = source.lines[i];
        const int expected = static_cast<int>(i) + 1;
        if (line.number != expected) {
            errors.Add(
                "line " + std::to_string(line.number), line.where, "Line",
                i > 0 && line.number == source.lines[i - 1].number
                    ? "given twice"
                    : "lines are numbered 1, 2, 3 and on without gaps; " + std::to_string(expected) + " is missing");
            return;
        }
    }
}

void CheckConstants(const CitySource& source, PackErrors& errors) {
    if (!IsModuleFileName(source.fileName))
        errors.Add("city.txt", {}, "file", "\"" + source.fileName + "\" must be letters, digits, '_' or '-'");
    if (!IsCityCode(source.cityCode))
        errors.Add("city.txt", {}, "CityCode",
                   std::to_string(source.cityCode) + " is not in the city name table (" + std::to_string(kMinCityCode) +
                       ".." + std::to_string(kMaxCityCode) + ")");
    if (source.isNTime != 0 && source.isNTime != 1) errors.Add("city.txt", {}, "IsNTime", "must be 0 or 1");

    const int first = source.defFirstStation;
    if (first < 1 || first > static_cast<int>(source.stations.size())) {
        errors.Add("city.txt", {}, "DefFirstStation", "station " + std::to_string(first) + " does not exist");
    } else if (const StationSource& s = source.stations[static_cast<std::size_t>(first - 1)]; !s.inOperation) {
        errors.Add("city.txt", {}, "DefFirstStation", StationSubject(s) + " is not in operation");
    }
}

// A station may leave its name on the scheme to a transfer partner of the same
// name; that partner must then show it.
void CheckHiddenNames(const CitySource& source, PackErrors& errors) {
    const auto shown = [&](int number) -> std::optional<std::string> {
        if (number < 1 || number > static_cast<int>(source.stations.size())) return std::nullopt;
        const StationSource& s = source.stations[static_cast<std::size_t>(number - 1)];
        const auto bytes = Utf8ToCp1251(s.name);
        if (!bytes) return std::nullopt;
        return std::string(DisplayName(*bytes));
    };
    for (const StationSource& s : source.stations) {
        if (s.label.shown) continue;
        const auto name = shown(s.number);
        bool carried = false;
        for (const TransferSource& t : source.transfers) {
            const int other = t.from == s.number ? t.to : t.to == s.number ? t.from : 0;
            if (other == 0 || other > static_cast<int>(source.stations.size())) continue;
            carried |= source.stations[static_cast<std::size_t>(other - 1)].label.shown && name && shown(other) == name;
        }
        if (!carried)
            errors.Add(StationSubject(s), s.where, "Label",
                       "- leaves the name to a transfer partner of the same name, but none shows it");
    }
}

// Three blanks before every name, a comma after all but the last, a full stop
// after the last, CR LF between them, NUL at the end.
std::string BuildInfo(const CitySource& source, PackErrors& errors) {
    if (source.info.empty()) {
        errors.Add("info.txt", {}, "", "needs at least one acknowledgement");
        return {};
    }
    std::string text;
    for (std::size_t i = 0; i < source.info.size(); ++i) {
        const auto bytes = Utf8ToCp1251(source.info[i]);
        if (!bytes) {
            errors.Add("info.txt", {}, "line " + std::to_string(i + 1),
                       "has a character that Windows-1251 cannot hold");
            continue;
        }
        const bool last = i + 1 == source.info.size();
        if (i > 0) text += "\r\n";
        text += "   " + *bytes;
        if (!last)
            text += ',';
        else if (!bytes->ends_with('.'))
            text += '.';
    }
    text += '\0';
    return text;
}

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }

}  // namespace

PackResult PackCity(const CitySource& source) {
    PackResult result;
    PackErrors errors(source.folder);

    CheckLineNumbering(source, errors);
    CheckStationNumbering(source, errors);
    if (!errors.Empty()) {
        result.errors = errors.Take();
        return result;
    }
    const int lineCount = static_cast<int>(source.lines.size());
    CheckStations(source, lineCount, errors);
    CheckConstants(source, errors);
    CheckHiddenNames(source, errors);

    PackedCity city;
    city.changes = BuildTransferTable(source, errors);
    city.info = BuildInfo(source, errors);
    if (!errors.Empty()) {
        result.errors = errors.Take();
        return result;
    }

    city.stations = BuildStationTable(source);
    // Run on the packed tables with the engine's own ride.
    CheckRideDirections(source, city.stations, city.changes, errors);
    CheckReachability(source, city.changes, errors);
    if (!errors.Empty()) {
        result.errors = errors.Take();
        return result;
    }

    city.fileName = source.fileName;
    city.constants = {Byte(source.fileVersion), Byte(source.cityCode),
                      Byte(source.cityVersion), Byte(static_cast<int>(source.stations.size())),
                      Byte(lineCount),          Byte(source.defFirstStation),
                      Byte(source.maxChanges),  Byte(source.isNTime)};
    for (const LineSource& line : source.lines) {
        city.dayWait[static_cast<std::size_t>(line.number - 1)] = Byte(line.dayWait);
        city.eveningWait[static_cast<std::size_t>(line.number - 1)] = Byte(line.eveningWait);
    }
    result.city = city;
    return result;
}

}  // namespace tnx::city
