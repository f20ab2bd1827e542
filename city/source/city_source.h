// A city's source folder, as read from its UTF-8 text files.
//
//   city.txt       key = value: file, FileVersion, CityCode, CityVersion,
//                  DefFirstStation, MaxChanges, IsNTime
//   lines.txt      Line | Colour | DayWait | EveningWait | Name
//   stations.txt   No | Name | Line | X | Y | Next | Prev | ToNext | ToPrev | Open
//                  | BendNext | BendPrev | Label
//   transfers.txt  From | To | Minutes   (each transfer once; packed mirrored)
//   info.txt       one acknowledgement per line
//   rivers.txt     Name | Width | Points   (optional; one row per river or arm)
//
// Columns are separated by '|', blanks around fields are ignored, '#' starts a
// comment line. A colour is "#RRGGBB" or "R,G,B"; Open is 1 or 0. A bend is
// "x,y" or "-". Label is a compass point (N, NE, E, SE, S, SW, W, NW)
// optionally followed by ",dx,dy" pixels of extra offset, or "-" where a
// transfer partner of the same name carries the name for both.
// Points of a river are "x,y" pairs separated by blanks, at least two of them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tnx::city {

struct SourceLocation {
    std::string file;  // file name inside the city folder
    int line = 0;      // 1-based line number in that file
};

struct LineSource {
    int number = 0;
    std::array<std::uint8_t, 3> colour{};  // red, green, blue
    int dayWait = 0;
    int eveningWait = 0;
    std::string name;  // UTF-8
    SourceLocation where;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class LabelSide { N, NE, E, SE, S, SW, W, NW };

struct LabelPlacement {
    LabelSide side = LabelSide::E;
    int dx = 0;
    int dy = 0;
    bool shown = true;      // false ("-"): an interchange partner of the same name shows it
    bool twoLines = false;  // "W/": the name broken in two lines, as crowded schemes set long names
};

struct StationSource {
    int number = 0;
    std::string name;  // UTF-8, as stored (with any "~" suffix)
    int line = 0;
    int x = 0;
    int y = 0;
    int next = 0;
    int prev = 0;
    int minutesToNext = 0;
    int minutesToPrev = 0;
    bool inOperation = false;
    std::optional<Point> bendToNext;
    std::optional<Point> bendToPrev;
    LabelPlacement label;
    SourceLocation where;
};

struct TransferSource {
    int from = 0;
    int to = 0;
    int minutes = 0;
    SourceLocation where;
};

// A river or one arm of it: a band of the given width along a polyline, drawn
// under the tracks. Points may lie off the scheme, where a river leaves it.
struct RiverSource {
    std::string name;  // UTF-8, for messages
    int width = 0;     // pixels
    std::vector<Point> points;
    SourceLocation where;
};

struct CitySource {
    std::string folder;    // path of the city folder, for messages
    std::string fileName;  // module file name without ".tnd"
    int fileVersion = 1;
    int cityCode = 0;
    int cityVersion = 0;
    int defFirstStation = 0;
    int maxChanges = 3;
    int isNTime = 0;
    std::vector<LineSource> lines;        // ordered by number
    std::vector<StationSource> stations;  // ordered by number
    std::vector<TransferSource> transfers;
    std::vector<std::string> info;    // UTF-8 lines
    std::vector<RiverSource> rivers;  // in file order; empty without rivers.txt
};

struct ParseResult {
    std::optional<CitySource> city;
    std::string error;  // names the city folder, the file, the line and the field
};

// Reads and syntax-checks a city folder. Semantic checks are the packer's.
ParseResult ParseCityFolder(const std::string& folder);

}  // namespace tnx::city
