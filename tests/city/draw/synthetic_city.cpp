#include "synthetic_city.h"

#include <stdexcept>

namespace tnx::city::draw::testing {

SyntheticCity& SyntheticCity::Line(int number, QColor colour) {
    LineSource line;
    line.number = number;
    line.colour = {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                   static_cast<std::uint8_t>(colour.blue())};
    line.where = {"lines.txt", number};
    city_.lines.push_back(line);
    return *this;
}

SyntheticCity& SyntheticCity::Station(int number, int line, int x, int y, LabelSide side, std::string name) {
    StationSource station;
    station.number = number;
    station.name = std::move(name);
    station.line = line;
    station.x = x;
    station.y = y;
    station.inOperation = true;
    station.label.side = side;
    station.where = {"stations.txt", number + 1};
    city_.stations.push_back(station);
    return *this;
}

SyntheticCity& SyntheticCity::Link(int from, int to, std::optional<Point> bend) {
    Get(from).next = to;
    Get(from).bendToNext = bend;
    Get(to).prev = from;
    Get(to).bendToPrev = bend;
    return *this;
}

SyntheticCity& SyntheticCity::Closed(int number) {
    Get(number).inOperation = false;
    return *this;
}

SyntheticCity& SyntheticCity::Transfer(int from, int to) {
    city_.transfers.push_back({from, to, 2, {"transfers.txt", static_cast<int>(city_.transfers.size()) + 1}});
    return *this;
}

SyntheticCity& SyntheticCity::River(int width, std::vector<Point> points) {
    const int line = static_cast<int>(city_.rivers.size()) + 1;
    city_.rivers.push_back({"River " + std::to_string(line), width, std::move(points), {"rivers.txt", line}});
    return *this;
}

StationSource& SyntheticCity::Get(int number) {
    for (StationSource& station : city_.stations) {
        if (station.number == number) {
            return station;
        }
    }
    throw std::logic_error("no station " + std::to_string(number));
}

}  // namespace tnx::city::draw::testing
