#include "tests/city/network_expectations.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/cp1251.h"
#include "model/lookups.h"

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
    return unmet;
}

}  // namespace tnx::shipped
