// A shipped city module opened the way the program opens it, and the checks that
// every shipped network has to pass: its routes, its rides and its reachability.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/route.h"
#include "engine/search_data.h"
#include "engine/search_work.h"
#include "model/city_tables.h"
#include "shell/city_loader.h"
#include "shell/city_module.h"

namespace tnx::shipped {

struct ShippedCity {
    std::unique_ptr<CityModule> module;
    std::unique_ptr<TLoadedCity> loaded = std::make_unique<TLoadedCity>();
    std::unique_ptr<TSearchData> data;  // the loaded city's
    std::unique_ptr<TSearchWork> work = std::make_unique<TSearchWork>();
    std::unique_ptr<TRouteList> list = std::make_unique<TRouteList>();
    std::string error;  // why the module could not be loaded; empty when it was

    TCity& City() { return loaded->City; }
};

// Opens FILE.tnd from the program's folder of the build.
std::unique_ptr<ShippedCity> LoadShippedCity(const std::string& file);

// The station whose stored name (with any "~" suffix) is utf8Name; 0 when there is none.
std::uint8_t StationNamed(const TCity& city, std::string_view utf8Name);

// A trip a passenger of the city knows, with the first route the program must list
// for it under the default settings and the day waits.
struct KnownTrip {
    const char* from;
    const char* to;
    const char* firstEntry;               // "28 минут, 1 пересадка"
    std::vector<const char*> transferAt;  // both stations of every transfer, any order
};

// Empty when the program lists the trip as expected; otherwise what it listed instead.
std::string CheckKnownTrip(ShippedCity& city, const KnownTrip& trip);

// The entries the search command lists for a trip with the day waits.
std::vector<std::string> ListedEntries(ShippedCity& city, std::string_view from, std::string_view to, bool onlyOptimal);

// Every ordered pair of stations in operation between which a search with at most
// `changes` transfers stores no route, as "FROM -> TO".
std::vector<std::string> PairsWithoutRoute(ShippedCity& city, std::uint8_t changes);

// Every ordered pair of stations in operation whose first listed route (day waits, at most
// `changes` transfers, a 1-minute window) is not the network's shortest time, found
// independently of the search: rides either way along a line with one day wait per
// boarding, transfer walks, a free change of trains where a ride would have no length.
// As "FROM -> TO: listed L, shortest S".
std::vector<std::string> PairsNotShortestFirst(ShippedCity& city, std::uint8_t changes);

// Every ordered pair of stations of one line whose ride is impossible or does not
// cost the riding minutes of the stations between them, as "FROM -> TO: why".
std::vector<std::string> WrongRides(const TCity& city);

// What in the city's tables breaks the rules every shipped network keeps: riding
// minutes 1 to 7 on every link, evening waits longer than day waits, a "~" suffix
// (the last digit of the line) on exactly the names shown twice, transfers between
// stations in operation. One message per fault.
std::vector<std::string> NetworkProblems(const TCity& city);

int StationsInOperation(const TCity& city);

// The riding minutes from one station to another along Next, waits left out; -1 when
// following Next from `from` never reaches `to`.
int RidingMinutes(const TCity& city, std::uint8_t from, std::uint8_t to);

}  // namespace tnx::shipped
