// The properties every traced route must have, checked from the tables alone.
#pragma once

#include <cstdint>
#include <string>

#include "engine/route_steps.h"

namespace tnx::test {

// Empty when steps tell how to travel route from start to finish: every ride hops between
// neighbours of its line on one side, towards its Toward; the steps join up from start to
// finish; minutes and waits add up to Time; the stations, transfer pairs and lines are the
// record's. Otherwise the first fault found.
std::string CheckRouteSteps(const TCity& city, const TWaitTable& waits, std::uint8_t start, std::uint8_t finish,
                            const TRoute& route, const TRouteSteps& steps);

}  // namespace tnx::test
