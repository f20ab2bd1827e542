// Sizes and colours of the drawn scheme and of the small pictures.
#pragma once

#include <QColor>

#include "model/city_resources.h"

namespace tnx::city::draw {

// The sizes of the scheme and of the small pictures: model/city_resources.h.

constexpr double kTrackWidth = 5.0;
constexpr double kPlannedTrackWidth = 3.0;

// Operating mark: white inside a line-coloured ring, 9 px across in all.
constexpr double kMarkRadius = 3.5;
constexpr double kMarkRingWidth = 2.0;
// Planned (not operating) mark: smaller and hollow, with a grey ring.
constexpr double kPlannedMarkRadius = 2.5;
constexpr double kPlannedMarkRingWidth = 1.5;

constexpr double kTransferOuterWidth = 7.0;
constexpr double kTransferInnerWidth = 3.0;

// Space between the outer edge of a mark and its name.
constexpr int kLabelGap = 2;
constexpr int kLabelPixelSize = 9;
// A city with more stations than this sets its names in the condensed face.
constexpr int kCondensedFromStations = 100;

inline const QColor kBackground{250, 249, 244};
inline const QColor kMarkFill{255, 255, 255};
inline const QColor kPlannedMarkRing{150, 150, 150};
inline const QColor kTransferEdge{70, 70, 70};
inline const QColor kTextColour{25, 25, 25};
inline const QColor kPlannedTextColour{135, 135, 135};
// Pale enough that every line colour, the light blue and turquoise ones too,
// stands out on it.
inline const QColor kRiverColour{206, 228, 244};

}  // namespace tnx::city::draw
