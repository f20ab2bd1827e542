#include "model/city_check.h"

#include <string>

namespace tnx {
namespace {

std::string StationField(int n, const char* field, int value) {
    return "станция " + std::to_string(n) + ": поле " + field + " = " + std::to_string(value) +
           " указывает за пределы города";
}

std::string CellField(int a, int b, int k, const char* field, int value) {
    return "пересадка (" + std::to_string(a) + ", " + std::to_string(b) + ") вариант " + std::to_string(k) + ": поле " +
           field + " = " + std::to_string(value) + " указывает за пределы города";
}

}  // namespace

std::string CheckCityTables(const TCity& city) {
    const int stations = city.NumOfStations;
    const int lines = city.NumOfLines;
    if (stations < 1 || stations > kMaxStations)
        return "NumOfStations = " + std::to_string(stations) + ", допустимо 1..180";
    if (lines < 1 || lines > kMaxLines) return "NumOfLines = " + std::to_string(lines) + ", допустимо 1..11";

    for (int n = 1; n <= stations; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        if (s.NameLength > kMaxNameLength) return StationField(n, "NameLength", s.NameLength);
        if (s.Line < 1 || s.Line > lines) return StationField(n, "Line", s.Line);
        if (s.Next > stations) return StationField(n, "Next", s.Next);
        if (s.Prev > stations) return StationField(n, "Prev", s.Prev);
    }
    // Rides never leave their line; the search relies on it.
    for (int n = 1; n <= stations; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        for (const auto& [field, link] : {std::pair{"Next", s.Next}, std::pair{"Prev", s.Prev}}) {
            if (link != 0 && city.Station(link).Line != s.Line) {
                std::string message = "станция ";
                message += std::to_string(n);
                message += ": поле ";
                message += field;
                message += " = ";
                message += std::to_string(link);
                message += " ведет на другую линию";
                return message;
            }
        }
    }

    for (int a = 1; a <= kMaxLines; ++a) {
        for (int b = 1; b <= kMaxLines; ++b) {
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o = city.Transfer(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), k);
                if (o.Minutes == 0) continue;
                if (a > lines) return CellField(a, b, k, "линия", a);
                if (b > lines) return CellField(a, b, k, "линия", b);
                if (o.FromStation < 1 || o.FromStation > stations)
                    return CellField(a, b, k, "FromStation", o.FromStation);
                if (o.ToStation < 1 || o.ToStation > stations) return CellField(a, b, k, "ToStation", o.ToStation);
                if (city.Station(o.FromStation).Line != a)
                    return CellField(a, b, k, "FromStation", o.FromStation) + " (не на линии " + std::to_string(a) +
                           ")";
                if (city.Station(o.ToStation).Line != b)
                    return CellField(a, b, k, "ToStation", o.ToStation) + " (не на линии " + std::to_string(b) + ")";
            }
        }
    }
    return {};
}

}  // namespace tnx
