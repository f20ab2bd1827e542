// Moscow's ring line: drawn on the scheme, and animated, as arcs of one ellipse.
#pragma once

namespace tnx {

constexpr int kRingCityCode = 1;
constexpr int kRingLine = 5;

// The ellipse inscribed in these pixel bounds; its centre is (288.5, 277).
constexpr int kRingLeft = 147;
constexpr int kRingTop = 137;
constexpr int kRingRight = 430;
constexpr int kRingBottom = 417;

// The arc rule splits the ring into halves by whole pixels: X up to 288 is the left
// half (so a station at X 289, right of the centre line, counts as right), Y up to 276
// the upper half.
constexpr int kRingLeftHalfMaxX = 288;
constexpr int kRingUpperHalfMaxY = 276;

constexpr bool IsRingLine(int cityCode, int line) { return cityCode == kRingCityCode && line == kRingLine; }

}  // namespace tnx
