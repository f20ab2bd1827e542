// What a shipped network must hold, read from its file in tests/city/networks/: the eight
// values, the stations in and out of operation, every interchange, the trips a passenger
// of the city knows, the riding times published for its lines and where stations lie
// on the scheme relative to each other.
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

// Entries the route list shows for a trip under the default settings and the day waits:
// all routes begin with these (listed), or only the optimal ones are exactly these.
struct ListingExpectation {
    std::string from, to;
    std::vector<std::string> entries;
    bool onlyOptimal = false;
};

// Riding minutes from one end to the other, either way along Next, within 2 of a
// published time.
struct RideExpectation {
    std::string from, to;
    double published = 0;
};

// "west", "east", "north", "south", "not south", "north-west" (west and north, at least
// half as far north as west) or "west-north-west" (west and not south, more than twice as
// far west as north): where `station` lies from `from` on the scheme, y growing downwards.
struct PlaceExpectation {
    std::string station, from;
    std::vector<std::string> directions;
};

struct NetworkExpectations {
    std::string module;                     // file name without ".tnd"
    std::map<std::string, int> values;      // FileVersion, CityCode, ... by name
    std::string defFirstStation;            // stored name
    int open = 0;                           // stations in operation
    std::vector<std::string> closed;        // every station not in operation
    std::vector<Interchange> interchanges;  // each once; the way back is implied
    std::vector<TripExpectation> trips;
    std::string infoContains;                        // a phrase of the INFO text
    std::vector<int> perLine;                        // stations of lines 1, 2, ...
    std::vector<std::pair<int, std::string>> named;  // station number and its stored name
    std::vector<ListingExpectation> listings;
    std::vector<RideExpectation> rides;
    std::vector<PlaceExpectation> places;
};

// The expectations of one file; a line it cannot read fails with the file and line.
NetworkExpectations ReadNetworkExpectations(const std::filesystem::path& file);

// Every expectations file, sorted by name.
std::vector<std::filesystem::path> NetworkExpectationFiles();

// What the loaded city breaks of its expectations, one message each.
std::vector<std::string> UnmetExpectations(ShippedCity& city, const NetworkExpectations& expected);

// Where a ring line (model/ring.h) breaks its drawing: a station off the ellipse or on
// its split column, a neighbour off the ring, or Next not going clockwise round it once.
std::vector<std::string> RingProblems(const TCity& city);

}  // namespace tnx::shipped
