// The seven per-city settings; process-wide in the program, one value each.
#pragma once

#include <cstdint>

namespace tnx {

struct TCitySettings {
    std::uint8_t FstStation = 1;
    bool ShowPopUp = true;
    bool UseWaitTime = true;
    bool ShowOnlyOptimal = true;
    bool ArrangeByChanges = false;
    std::uint8_t TimeDiff = 10;
    std::uint8_t ChangesDiff = 3;
};

}  // namespace tnx
