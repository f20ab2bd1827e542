#include "city/draw/drawing_check.h"

#include <set>

#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

std::string Where(const CitySource& city, const SourceLocation& where) {
    return city.folder + "/" + where.file + ":" + std::to_string(where.line) + ": ";
}

bool InsideScheme(int x, int y) { return x >= 0 && x < kSchemeWidth && y >= 0 && y < kSchemeHeight; }

std::string PointText(int x, int y) {
    std::string text(1, '(');
    text += std::to_string(x);
    text += ", ";
    text += std::to_string(y);
    text += ')';
    return text;
}

}  // namespace

std::string FindDrawingProblem(const CitySource& city) {
    if (city.lines.empty()) {
        return city.folder + ": the city has no lines";
    }
    std::set<int> lineNumbers;
    for (const LineSource& line : city.lines) {
        if (line.number < 1 || line.number > 11) {
            return Where(city, line.where) + "Line " + std::to_string(line.number) + " is outside 1..11";
        }
        if (!lineNumbers.insert(line.number).second) {
            return Where(city, line.where) + "Line " + std::to_string(line.number) + " is listed twice";
        }
    }

    std::set<int> stationNumbers;
    for (const StationSource& station : city.stations) {
        if (!stationNumbers.insert(station.number).second) {
            return Where(city, station.where) + "No " + std::to_string(station.number) + " is listed twice";
        }
    }

    for (const StationSource& station : city.stations) {
        const std::string at = Where(city, station.where) + "station " + std::to_string(station.number) + ": ";
        if (!lineNumbers.contains(station.line)) {
            return at + "Line " + std::to_string(station.line) + " is not in lines.txt";
        }
        if (!InsideScheme(station.x, station.y)) {
            return at + "X, Y " + PointText(station.x, station.y) + " lies outside the " +
                   std::to_string(kSchemeWidth) + " x " + std::to_string(kSchemeHeight) + " scheme";
        }
        if (station.next != 0 && !stationNumbers.contains(station.next)) {
            return at + "Next " + std::to_string(station.next) + " is not a station";
        }
        if (station.prev != 0 && !stationNumbers.contains(station.prev)) {
            return at + "Prev " + std::to_string(station.prev) + " is not a station";
        }
        for (const auto& [field, bend] :
             {std::pair{"BendNext", station.bendToNext}, std::pair{"BendPrev", station.bendToPrev}}) {
            if (bend && bend->x != 0 && !InsideScheme(bend->x, bend->y)) {
                return at + field + " " + PointText(bend->x, bend->y) + " lies outside the scheme";
            }
        }
    }

    for (const TransferSource& transfer : city.transfers) {
        for (const auto& [field, number] : {std::pair{"From", transfer.from}, std::pair{"To", transfer.to}}) {
            if (!stationNumbers.contains(number)) {
                return Where(city, transfer.where) + field + " " + std::to_string(number) + " is not a station";
            }
        }
    }
    return {};
}

}  // namespace tnx::city::draw
