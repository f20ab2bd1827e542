// Random but well-formed cities for comparing the search against the literal one.
#pragma once

#include <cstdint>

#include "model/city_tables.h"

namespace tnx::test {

// Lines of random length laid out at random positions (so some rides are impossible
// by the direction rule), random transfers between them, random waits. With
// cityCode 1 and at least five lines, line 5 is a ring.
TCity RandomCity(std::uint32_t seed, int cityCode);

}  // namespace tnx::test
