#include "tests/city/network_expectations.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "model/ring.h"

namespace tnx::shipped {
namespace {

std::string Trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

std::vector<std::string> Fields(const std::string& value, char separator) {
    std::vector<std::string> fields;
    std::stringstream in(value);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(Trim(field));
    if (!value.empty() && value.back() == separator) fields.emplace_back();
    return fields;
}

const char* const kDirections[] = {"west", "east", "north", "south", "not south", "north-west", "west-north-west"};

bool IsDirection(const std::string& word) {
    return std::find(std::begin(kDirections), std::end(kDirections), word) != std::end(kDirections);
}

// dx grows eastwards and dy northwards from the reference station.
bool Lies(const std::string& direction, int dx, int dy) {
    if (direction == "west") return dx < 0;
    if (direction == "east") return dx > 0;
    if (direction == "north") return dy > 0;
    if (direction == "south") return dy < 0;
    if (direction == "not south") return dy >= 0;
    if (direction == "north-west") return dx < 0 && dy > 0 && -dx < 2 * dy;
    return dx < 0 && dy >= 0 && -dx > 2 * dy;  // west-north-west
}

std::string Joined(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) text += (text.empty() ? "" : "; ") + entry;
    return text;
}

const char* const kValueNames[] = {"FileVersion", "CityCode",        "CityVersion", "NumOfStations",
                                   "NumOfLines",  "DefFirstStation", "MaxChanges",  "IsNTime"};

}  // namespace

NetworkExpectations ReadNetworkExpectations(const std::filesystem::path& file) {
    NetworkExpectations e;
    std::ifstream in(file);
    if (!in) throw std::runtime_error(file.string() + ": cannot be read");
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const std::string where = file.filename().string() + ":" + std::to_string(number) + ": ";
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos) throw std::runtime_error(where + "expected key = value");
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        const std::vector<std::string> fields = Fields(value, '|');
        if (key == "module") {
            e.module = value;
        } else if (key == "DefFirstStation") {
            e.defFirstStation = value;
        } else if (std::find(std::begin(kValueNames), std::end(kValueNames), key) != std::end(kValueNames)) {
            e.values[key] = std::stoi(value);
        } else if (key == "open") {
            e.open = std::stoi(value);
        } else if (key == "closed") {
            e.closed = fields;
        } else if (key == "interchange" && fields.size() == 3) {
            e.interchanges.push_back({fields[0], fields[1], std::stoi(fields[2])});
        } else if (key == "info") {
            e.infoContains = value;
        } else if (key == "perline") {
            for (const std::string& count : Fields(value, ',')) e.perLine.push_back(std::stoi(count));
        } else if (key == "station" && fields.size() == 2) {
            e.named.emplace_back(std::stoi(fields[0]), fields[1]);
        } else if ((key == "listed" || key == "optimal") && fields.size() == 3) {
            e.listings.push_back({fields[0], fields[1], Fields(fields[2], ';'), key == "optimal"});
        } else if (key == "ride" && fields.size() == 3) {
            e.rides.push_back({fields[0], fields[1], std::stod(fields[2])});
        } else if (key == "lies" && fields.size() == 3) {
            e.places.push_back({fields[0], fields[2], Fields(fields[1], ',')});
            for (const std::string& direction : e.places.back().directions)
                if (!IsDirection(direction))
                    throw std::runtime_error(where + "unknown direction \"" + direction + "\"");
        } else if (key == "trip" && fields.size() == 4) {
            TripExpectation trip{fields[0], fields[1], fields[2], {}};
            if (!fields[3].empty()) trip.transferAt = Fields(fields[3], ',');
            e.trips.push_back(std::move(trip));
        } else {
            throw std::runtime_error(where + "unknown or malformed \"" + key + "\"");
        }
    }
    return e;
}

std::vector<std::filesystem::path> NetworkExpectationFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TUNNEX_NETWORKS_DIR))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> UnmetExpectations(ShippedCity& shipped, const NetworkExpectations& e) {
    std::vector<std::string> unmet;
    const TLoadedCity& loaded = *shipped.loaded;
    const TCity& city = loaded.City;
    const std::map<std::string, int> actual = {
        {"FileVersion", loaded.FileVersion}, {"CityCode", city.CityCode},
        {"CityVersion", loaded.CityVersion}, {"NumOfStations", city.NumOfStations},
        {"NumOfLines", city.NumOfLines},     {"DefFirstStation", loaded.DefFirstStation},
        {"MaxChanges", loaded.MaxChanges},   {"IsNTime", city.IsNTime}};
    for (const auto& [name, value] : e.values)
        if (actual.at(name) != value)
            unmet.push_back(name + " is " + std::to_string(actual.at(name)) + ", not " + std::to_string(value));

    const std::uint8_t def = StationNamed(city, e.defFirstStation);
    if (def == 0 || def != loaded.DefFirstStation || !city.Station(def).InOperation)
        unmet.push_back("DefFirstStation is not the open station " + e.defFirstStation);
    if (StationsInOperation(city) != e.open)
        unmet.push_back(std::to_string(StationsInOperation(city)) + " stations in operation, not " +
                        std::to_string(e.open));
    std::vector<std::string> closed;
    for (int n = 1; n <= city.NumOfStations; ++n)
        if (!city.Station(static_cast<std::uint8_t>(n)).InOperation)
            closed.push_back(Cp1251ToUtf8(StoredName(city.Station(static_cast<std::uint8_t>(n)))));
    std::vector<std::string> expectedClosed = e.closed;
    std::sort(closed.begin(), closed.end());
    std::sort(expectedClosed.begin(), expectedClosed.end());
    if (closed != expectedClosed) unmet.push_back("the stations not in operation differ from the list");

    int options = 0;
    for (const auto& row : city.Changes.Cells)
        for (const auto& cell : row)
            for (const TTransferOption& o : cell) options += o.Minutes != 0;
    if (options != 2 * static_cast<int>(e.interchanges.size()))
        unmet.push_back(std::to_string(options) + " transfer options, not " +
                        std::to_string(2 * e.interchanges.size()));
    for (const Interchange& i : e.interchanges) {
        const std::uint8_t a = StationNamed(city, i.from);
        const std::uint8_t b = StationNamed(city, i.to);
        if (a == 0 || b == 0) {
            unmet.push_back("no station " + (a == 0 ? i.from : i.to));
            continue;
        }
        for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
            bool found = false;
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o = city.Transfer(city.Station(from).Line, city.Station(to).Line, k);
                found |= o.FromStation == from && o.ToStation == to && o.Minutes == i.minutes;
            }
            if (!found)
                unmet.push_back("no transfer " + i.from + " / " + i.to + " of " + std::to_string(i.minutes) +
                                " minutes each way");
        }
    }
    for (const TripExpectation& trip : e.trips) {
        KnownTrip known{trip.from.c_str(), trip.to.c_str(), trip.firstEntry.c_str(), {}};
        for (const std::string& name : trip.transferAt) known.transferAt.push_back(name.c_str());
        if (std::string problem = CheckKnownTrip(shipped, known); !problem.empty())
            unmet.push_back(trip.from + " -> " + trip.to + ": " + problem);
    }

    const std::string info = Cp1251ToUtf8(loaded.InfoText);
    if (info.empty() || info.find(e.infoContains) == std::string::npos)
        unmet.push_back("the INFO text does not say \"" + e.infoContains + "\"");
    if (!e.perLine.empty()) {
        std::vector<int> perLine(e.perLine.size());
        for (int n = 1; n <= city.NumOfStations; ++n) {
            const std::size_t line = city.Station(static_cast<std::uint8_t>(n)).Line;
            if (line >= 1 && line <= perLine.size()) ++perLine[line - 1];
        }
        if (perLine != e.perLine) unmet.push_back("the stations per line differ from perline");
    }
    for (const auto& [number, name] : e.named)
        if (number < 1 || number > city.NumOfStations ||
            Cp1251ToUtf8(StoredName(city.Station(static_cast<std::uint8_t>(number)))) != name)
            unmet.push_back("station " + std::to_string(number) + " is not " + name);
    for (const ListingExpectation& l : e.listings) {
        const std::vector<std::string> listed = ListedEntries(shipped, l.from, l.to, l.onlyOptimal);
        const bool met = l.onlyOptimal ? listed == l.entries
                                       : listed.size() >= l.entries.size() &&
                                             std::equal(l.entries.begin(), l.entries.end(), listed.begin());
        if (!met)
            unmet.push_back(l.from + " -> " + l.to + (l.onlyOptimal ? " (optimal)" : "") + " lists " + Joined(listed) +
                            ", not " + Joined(l.entries));
    }
    for (const RideExpectation& r : e.rides) {
        const std::uint8_t from = StationNamed(city, r.from);
        const std::uint8_t to = StationNamed(city, r.to);
        int minutes = from == 0 || to == 0 ? -1 : RidingMinutes(city, from, to);
        if (minutes < 0 && from != 0 && to != 0) minutes = RidingMinutes(city, to, from);
        if (minutes < 0 || std::abs(minutes - r.published) > 2)
            unmet.push_back(r.from + " - " + r.to + " rides " + std::to_string(minutes) + " minutes, published " +
                            std::to_string(r.published));
    }
    for (const PlaceExpectation& p : e.places) {
        const std::uint8_t station = StationNamed(city, p.station);
        const std::uint8_t from = StationNamed(city, p.from);
        if (station == 0 || from == 0) {
            unmet.push_back("no station " + (station == 0 ? p.station : p.from));
            continue;
        }
        const int dx = city.Station(station).X - city.Station(from).X;
        const int dy = city.Station(from).Y - city.Station(station).Y;
        for (const std::string& direction : p.directions)
            if (!Lies(direction, dx, dy)) unmet.push_back(p.station + " does not lie " + direction + " of " + p.from);
    }
    return unmet;
}

std::vector<std::string> RingProblems(const TCity& city) {
    std::vector<std::string> problems;
    const auto onRing = [&](std::uint8_t n) {
        return n >= 1 && n <= city.NumOfStations && IsRingLine(city.CityCode, city.Station(n).Line);
    };
    const double cx = (kRingLeft + kRingRight) / 2.0 + 0.5, cy = (kRingTop + kRingBottom) / 2.0 + 0.5;
    const double rx = (kRingRight - kRingLeft) / 2.0, ry = (kRingBottom - kRingTop) / 2.0;
    std::uint8_t first = 0;
    int count = 0;
    for (int n = 1; n <= city.NumOfStations; ++n) {
        const auto station = static_cast<std::uint8_t>(n);
        if (!onRing(station)) continue;
        first = first == 0 ? station : first;
        ++count;
        const TStation& s = city.Station(station);
        const std::string name = Cp1251ToUtf8(StoredName(s));
        if (std::abs(std::hypot((s.X + 0.5 - cx) / rx, (s.Y + 0.5 - cy) / ry) - 1.0) > 0.006)
            problems.push_back(name + " is off the ring's ellipse");
        if (s.X == kRingLeftHalfMaxX + 1) problems.push_back(name + " stands on the ring's split column");
        if (!onRing(s.Next) || !onRing(s.Prev) || city.Station(s.Next).Prev != station)
            problems.push_back(name + " has a neighbour off the ring");
    }
    if (count == 0 || !problems.empty()) return problems;
    // Next goes round once, clockwise on the screen: the angles add up to one full turn.
    double turned = 0;
    std::uint8_t at = first;
    for (int step = 0; step < count; ++step) {
        const TStation& s = city.Station(at);
        const TStation& next = city.Station(s.Next);
        turned += std::remainder(
            std::atan2((next.Y - cy) / ry, (next.X - cx) / rx) - std::atan2((s.Y - cy) / ry, (s.X - cx) / rx),
            2 * std::numbers::pi);
        at = s.Next;
    }
    if (at != first || std::abs(turned - 2 * std::numbers::pi) > 0.01)
        problems.push_back("Next does not go clockwise round the ring once");
    return problems;
}

}  // namespace tnx::shipped
