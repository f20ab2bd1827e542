#include "ui/station_hit_grid.h"

#include <algorithm>

namespace tnx::ui {
namespace {

constexpr int kNearReach = 10;
constexpr int kOnReach = 4;

}  // namespace

TStationHitGrid::TStationHitGrid() : cells_(static_cast<std::size_t>(kWidth) * kHeight, 0) {}

void TStationHitGrid::Fill(int cx, int cy, int reach, std::uint8_t value) {
    // Clipped on every side: the data keeps stations off the left and top
    // edges, but a broken module must not write outside the grid.
    const int x0 = std::max(1, cx - reach);
    const int x1 = std::min(kWidth, cx + reach);
    const int y0 = std::max(1, cy - reach);
    const int y1 = std::min(kHeight, cy + reach);
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) cells_[Offset(x, y)] = value;
}

void TStationHitGrid::Build(const TCity& city) {
    std::fill(cells_.begin(), cells_.end(), 0);
    const int count = std::min<int>(city.NumOfStations, kMaxStations);
    for (int n = 1; n <= count; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        Fill(s.X, s.Y, kNearReach, kNearStation);
    }
    for (int n = 1; n <= count; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        Fill(s.X, s.Y, kOnReach, static_cast<std::uint8_t>(n));
    }
}

std::uint8_t TStationHitGrid::At(int x, int y) const { return InActiveArea(x, y) ? Cell(x, y) : 0; }

}  // namespace tnx::ui
