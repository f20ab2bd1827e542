// What a shipped network must hold, read from its file in tests/city/networks/: the eight
// values, the stations in and out of operation, every interchange and the trips a
// passenger of the city knows.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/city/shipped_city.h"

namespace tnx::shipped {

struct Interchange {
    std::string from, to;
    int minutes = 0;
};

struct TripExpectation {
    std::string from, to, firstEntry;
    std::vector<std::string> transferAt;  // both stations of every transfer
};

struct NetworkExpectations {
    std::string module;                     // file name without ".tnd"
    std::map<std::string, int> values;      // FileVersion, CityCode, ... by name
    std::string defFirstStation;            // stored name
    int open = 0;                           // stations in operation
    std::vector<std::string> closed;        // every station not in operation
    std::vector<Interchange> interchanges;  // each once; the way back is implied
    std::vector<TripExpectation> trips;
};

// The expectations of one file; a line it cannot read fails with the file and line.
NetworkExpectations ReadNetworkExpectations(const std::filesystem::path& file);

// Every expectations file, sorted by name.
std::vector<std::filesystem::path> NetworkExpectationFiles();

// What the loaded city breaks of its expectations, one message each.
std::vector<std::string> UnmetExpectations(ShippedCity& city, const NetworkExpectations& expected);

}  // namespace tnx::shipped
