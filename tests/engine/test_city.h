// Cities built in memory for engine tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/city_tables.h"

namespace tnx::test {

struct StationRow {
    int number;
    const char* name;  // Windows-1251 or ASCII
    int line, x, y, next, prev, toNext, toPrev, open;
};

struct TransferRow {
    int from, to, minutes;  // packed into both mirrored cells, as the next free option
};

TCity MakeCity(int cityCode, const std::vector<StationRow>& stations, const std::vector<TransferRow>& transfers,
               std::initializer_list<int> dayWaits, std::initializer_list<int> eveningWaits);

// The reference three-line city (code 4), 38 stations.
TCity ReferenceCity();

// A city with code 1 whose line 5 is a ring of `ringSize` stations (numbers 1..ringSize,
// 2 minutes per hop) and whose line 1 is a radial of three stations crossing it.
TCity RingCity(int ringSize = 8);

}  // namespace tnx::test
