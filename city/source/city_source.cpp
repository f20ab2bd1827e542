#include "city/source/city_source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <stdexcept>

#include "city/source/field_parsers.h"
#include "city/source/text_table.h"
#include "model/city_format.h"

namespace tnx::city {
namespace {

namespace fs = std::filesystem;

// A complete message: folder, file, line and field are already in it.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CityFolder {
public:
    explicit CityFolder(std::string folder) : folder_(std::move(folder)) {}

    std::string Read(const std::string& file) const {
        std::ifstream in(fs::path(folder_) / file, std::ios::binary);
        if (!in) throw SourceError(folder_ + ": missing file " + file);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    bool Has(const std::string& file) const {
        std::error_code error;
        return fs::is_regular_file(fs::path(folder_) / file, error);
    }

    std::string Where(const std::string& file, int line) const {
        return folder_ + "/" + file + ":" + std::to_string(line);
    }

    const std::string& Path() const { return folder_; }

private:
    std::string folder_;
};

// Reads the fields of one row by column, naming the column in any error.
class RowReader {
public:
    RowReader(const CityFolder& folder, std::string file, const TextRow& row, std::span<const std::string_view> columns)
        : folder_(folder), file_(std::move(file)), row_(row), columns_(columns) {
        if (row.fields.size() != columns.size()) {
            throw SourceError(folder_.Where(file_, row.line) + ": expected " + std::to_string(columns.size()) +
                              " fields separated by '|', found " + std::to_string(row.fields.size()));
        }
    }

    template <typename Parse>
    auto Get(std::size_t column, Parse parse) const {
        try {
            return parse(std::string_view(row_.fields[column]));
        } catch (const FieldError& e) {
            throw SourceError(folder_.Where(file_, row_.line) + ": " + std::string(columns_[column]) + ": " + e.what());
        }
    }

    int Integer(std::size_t column, int low, int high) const {
        return Get(column, [&](std::string_view text) { return ParseInteger(text, low, high); });
    }

    const std::string& Text(std::size_t column) const { return row_.fields[column]; }

    SourceLocation Location() const { return {file_, row_.line}; }

private:
    const CityFolder& folder_;
    std::string file_;
    const TextRow& row_;
    std::span<const std::string_view> columns_;
};

struct ConstantKey {
    std::string_view name;
    bool required;  // the others keep the defaults of CitySource
    void (*store)(CitySource&, std::string_view);
};

// A river wider than this would hide the streets between the lines it passes.
constexpr int kMaxRiverWidth = 40;
// A river may start and end up to 1000 pixels off the 591 x 575 scheme.
constexpr int kRiverLowest = -1000;
constexpr int kRiverHighest = 1600;

int Byte(std::string_view text) { return ParseInteger(text, 0, 255); }

constexpr ConstantKey kConstantKeys[] = {
    {"file", true,
     [](CitySource& c, std::string_view v) {
         if (v.empty()) throw FieldError("expected a module file name, found nothing");
         c.fileName = std::string(v);
     }},
    {"FileVersion", false, [](CitySource& c, std::string_view v) { c.fileVersion = Byte(v); }},
    {"CityCode", true, [](CitySource& c, std::string_view v) { c.cityCode = Byte(v); }},
    {"CityVersion", true, [](CitySource& c, std::string_view v) { c.cityVersion = Byte(v); }},
    {"DefFirstStation", true, [](CitySource& c, std::string_view v) { c.defFirstStation = Byte(v); }},
    {"MaxChanges", false, [](CitySource& c, std::string_view v) { c.maxChanges = Byte(v); }},
    {"IsNTime", false, [](CitySource& c, std::string_view v) { c.isNTime = Byte(v); }},
};

void ReadCityConstants(const CityFolder& folder, CitySource& city) {
    const std::string file = "city.txt";
    bool seen[std::size(kConstantKeys)] = {};
    for (const TextRow& row : SplitRows(folder.Read(file), '=')) {
        const std::string where = folder.Where(file, row.line);
        if (row.fields.size() != 2) throw SourceError(where + ": expected key = value");
        const std::string& key = row.fields[0];
        const auto known = std::find_if(std::begin(kConstantKeys), std::end(kConstantKeys),
                                        [&](const ConstantKey& k) { return k.name == key; });
        if (known == std::end(kConstantKeys)) throw SourceError(where + ": unknown key \"" + key + "\"");
        bool& keySeen = seen[known - std::begin(kConstantKeys)];
        if (keySeen) throw SourceError(where + ": " + key + ": given twice");
        keySeen = true;
        try {
            known->store(city, row.fields[1]);
        } catch (const FieldError& e) {
            throw SourceError(where + ": " + key + ": " + e.what());
        }
    }
    for (std::size_t i = 0; i < std::size(kConstantKeys); ++i) {
        if (kConstantKeys[i].required && !seen[i])
            throw SourceError(folder.Path() + "/" + file + ": missing key " + std::string(kConstantKeys[i].name));
    }
}

void ReadLines(const CityFolder& folder, CitySource& city) {
    static constexpr std::string_view kColumns[] = {"Line", "Colour", "DayWait", "EveningWait", "Name"};
    const std::string file = "lines.txt";
    for (const TextRow& row : SplitRows(folder.Read(file), '|')) {
        const RowReader reader(folder, file, row, kColumns);
        LineSource line;
        line.number = reader.Integer(0, 1, kMaxLines);
        line.colour = reader.Get(1, ParseColour);
        line.dayWait = reader.Integer(2, 0, 255);
        line.eveningWait = reader.Integer(3, 0, 255);
        line.name = reader.Text(4);
        line.where = reader.Location();
        city.lines.push_back(std::move(line));
    }
    std::stable_sort(city.lines.begin(), city.lines.end(),
                     [](const auto& a, const auto& b) { return a.number < b.number; });
}

void ReadStations(const CityFolder& folder, CitySource& city) {
    static constexpr std::string_view kColumns[] = {"No",     "Name",   "Line", "X",        "Y",        "Next", "Prev",
                                                    "ToNext", "ToPrev", "Open", "BendNext", "BendPrev", "Label"};
    const std::string file = "stations.txt";
    for (const TextRow& row : SplitRows(folder.Read(file), '|')) {
        const RowReader reader(folder, file, row, kColumns);
        StationSource s;
        s.number = reader.Integer(0, 1, kMaxStations);
        s.name = reader.Text(1);
        s.line = reader.Integer(2, 1, kMaxLines);
        s.x = reader.Integer(3, 0, 65535);
        s.y = reader.Integer(4, 0, 65535);
        s.next = reader.Integer(5, 0, kMaxStations);
        s.prev = reader.Integer(6, 0, kMaxStations);
        s.minutesToNext = reader.Integer(7, 0, 255);
        s.minutesToPrev = reader.Integer(8, 0, 255);
        s.inOperation = reader.Get(9, ParseFlag);
        s.bendToNext = reader.Get(10, ParseBend);
        s.bendToPrev = reader.Get(11, ParseBend);
        s.label = reader.Get(12, ParseLabel);
        s.where = reader.Location();
        city.stations.push_back(std::move(s));
    }
    std::stable_sort(city.stations.begin(), city.stations.end(),
                     [](const auto& a, const auto& b) { return a.number < b.number; });
}

void ReadTransfers(const CityFolder& folder, CitySource& city) {
    static constexpr std::string_view kColumns[] = {"From", "To", "Minutes"};
    const std::string file = "transfers.txt";
    for (const TextRow& row : SplitRows(folder.Read(file), '|')) {
        const RowReader reader(folder, file, row, kColumns);
        TransferSource t;
        t.from = reader.Integer(0, 1, kMaxStations);
        t.to = reader.Integer(1, 1, kMaxStations);
        t.minutes = reader.Integer(2, 0, 255);
        t.where = reader.Location();
        city.transfers.push_back(t);
    }
}

void ReadInfo(const CityFolder& folder, CitySource& city) {
    // One field per line: '\n' never occurs inside a row.
    for (TextRow& row : SplitRows(folder.Read("info.txt"), '\n')) city.info.push_back(std::move(row.fields.front()));
}

// Optional: a city without rivers.txt draws no river.
void ReadRivers(const CityFolder& folder, CitySource& city) {
    static constexpr std::string_view kColumns[] = {"Name", "Width", "Points"};
    const std::string file = "rivers.txt";
    if (!folder.Has(file)) return;
    for (const TextRow& row : SplitRows(folder.Read(file), '|')) {
        const RowReader reader(folder, file, row, kColumns);
        RiverSource river;
        river.name = reader.Text(0);
        river.width = reader.Integer(1, 1, kMaxRiverWidth);
        river.points =
            reader.Get(2, [](std::string_view text) { return ParsePolyline(text, kRiverLowest, kRiverHighest); });
        river.where = reader.Location();
        city.rivers.push_back(std::move(river));
    }
}

}  // namespace

ParseResult ParseCityFolder(const std::string& folder) {
    ParseResult result;
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        result.error = folder + ": not a city folder";
        return result;
    }
    try {
        const CityFolder city(folder);
        CitySource source;
        source.folder = folder;
        ReadCityConstants(city, source);
        ReadLines(city, source);
        ReadStations(city, source);
        ReadTransfers(city, source);
        ReadInfo(city, source);
        ReadRivers(city, source);
        result.city = std::move(source);
    } catch (const SourceError& e) {
        result.error = e.what();
    }
    return result;
}

}  // namespace tnx::city
