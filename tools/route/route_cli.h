// tunnex-route: route queries on a city module from the command line.
#pragma once

#include <iosfwd>

namespace tnx {

enum TRouteExit {
    kExitRoutes = 0,
    kExitNoRoute = 1,
    kExitUsage = 2,
    kExitBadModule = 3,
    kExitOutput = 4,
};

int RunRouteCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tnx
