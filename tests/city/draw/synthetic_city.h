// Small cities built in code, for drawing tests.
#pragma once

#include <QColor>
#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "city/source/city_source.h"

namespace tnx::city::draw::testing {

class SyntheticCity {
public:
    SyntheticCity& Line(int number, QColor colour);
    SyntheticCity& Station(int number, int line, int x, int y, LabelSide side = LabelSide::E,
                           std::string name = "Station");
    SyntheticCity& Link(int from, int to, std::optional<Point> bend = std::nullopt);
    SyntheticCity& Closed(int number);  // not in operation
    SyntheticCity& Transfer(int from, int to);
    SyntheticCity& River(int width, std::vector<Point> points);
    StationSource& Get(int number);
    const CitySource& city() const { return city_; }

private:
    CitySource city_;
};

inline QColor ColourAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

}  // namespace tnx::city::draw::testing
