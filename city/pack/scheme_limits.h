// Where stations may sit on the scheme (model/city_resources.h gives its size).
#pragma once

namespace tnx::city {

// The program's station hit grid needs this margin on the left and top.
constexpr int kMinStationCoordinate = 11;

}  // namespace tnx::city
