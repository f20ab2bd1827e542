// Which station the pointer is over, one lookup per pixel of the scheme.
#pragma once

#include <cstdint>
#include <vector>

#include "model/city_tables.h"

namespace tnx::ui {

class TStationHitGrid {
public:
    static constexpr int kWidth = 590;   // X 1..590
    static constexpr int kHeight = 569;  // Y 1..569
    // A cell near a station (within 10 pixels in X and Y) but on none.
    static constexpr std::uint8_t kNearStation = 255;

    TStationHitGrid();

    // Every station's 21 x 21 square becomes kNearStation, then every
    // station's 9 x 9 square its number; the higher number wins an overlap.
    // Stations in operation or not alike; cells off the grid are skipped.
    void Build(const TCity& city);

    // Pointer positions the grid answers for: 2..589 by 2..568.
    static bool InActiveArea(int x, int y) { return x >= 2 && x <= kWidth - 1 && y >= 2 && y <= kHeight - 1; }
    // The cell at (x, y); 0 outside the active area.
    std::uint8_t At(int x, int y) const;
    // The cell at (x, y) of the whole grid, 1..590 by 1..569.
    std::uint8_t Cell(int x, int y) const { return cells_[Offset(x, y)]; }

private:
    static std::size_t Offset(int x, int y) {
        return static_cast<std::size_t>(x - 1) * kHeight + static_cast<std::size_t>(y - 1);
    }
    void Fill(int cx, int cy, int reach, std::uint8_t value);

    std::vector<std::uint8_t> cells_;  // X-major
};

}  // namespace tnx::ui
