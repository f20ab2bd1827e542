#include "small_city.h"

namespace tnx::city::testing {
namespace {

StationSource Station(int number, const char* name, int line, int x, int y, int next, int prev, bool open = true) {
    StationSource s;
    s.number = number;
    s.name = name;
    s.line = line;
    s.x = x;
    s.y = y;
    s.next = next;
    s.prev = prev;
    s.minutesToNext = next ? 2 : 0;
    s.minutesToPrev = prev ? 3 : 0;
    s.inOperation = open;
    s.where = {"stations.txt", number};
    return s;
}

}  // namespace

CitySource SmallCity() {
    CitySource city;
    city.folder = "small";
    city.fileName = "small";
    city.cityCode = 5;
    city.cityVersion = 7;
    city.defFirstStation = 1;
    city.isNTime = 1;
    city.lines = {{1, {255, 0, 0}, 3, 5, "Красная", {"lines.txt", 1}},
                  {2, {0, 0, 255}, 4, 6, "Синяя", {"lines.txt", 2}}};
    city.stations = {
        Station(1, "Начало", 1, 20, 20, 2, 0),       Station(2, "Узел~1", 1, 40, 20, 3, 1),
        Station(3, "Конец", 1, 60, 20, 0, 2, false), Station(4, "Север", 2, 40, 40, 5, 6),
        Station(5, "Узел~2", 2, 60, 40, 6, 4),       Station(6, "Юг", 2, 50, 60, 4, 5),
    };
    city.transfers = {{2, 5, 3, {"transfers.txt", 1}}};
    city.info = {"Иван Петров", "Пётр Иванов"};
    return city;
}

StationSource& StationOf(CitySource& city, int number) { return city.stations[static_cast<std::size_t>(number - 1)]; }

std::string PackErrorsOf(const CitySource& city) {
    std::string joined;
    for (const std::string& e : PackCity(city).errors) joined += e + "\n";
    return joined;
}

}  // namespace tnx::city::testing
