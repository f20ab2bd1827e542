// The route picture of the animation: the scheme with the shown route in
// white, circles on its stations in operation and its transfers in aqua.
#pragma once

#include <QImage>
#include <cstdint>

#include "model/city_tables.h"
#include "model/station_set.h"
#include "ui/map_bitmaps.h"

namespace tnx::ui {

struct TRouteFrameInput {
    const TCity& City;
    const TMapBitmaps& Bitmaps;
    std::uint8_t StartStation;
    std::uint8_t EndStation;
    const TStationSet& Stations;   // ShownRouteStations
    const TStationSet& Transfers;  // ShownRouteTransfers
};

// Rebuilds frame from the clean scheme.
void PaintRouteFrame(QImage& frame, const TRouteFrameInput& input);

}  // namespace tnx::ui
