// The scheme every city is drawn on, and where stations may sit on it.
#pragma once

namespace tnx::city {

constexpr int kMapWidth = 591;
constexpr int kMapHeight = 575;
// The program's station hit grid needs this margin on the left and top.
constexpr int kMinStationCoordinate = 11;

}  // namespace tnx::city
