// The city's scheme, MAP.
#pragma once

#include <QImage>
#include <vector>

#include "city/draw/scheme_layout.h"
#include "city/source/city_source.h"

namespace tnx::city::draw {

// An opaque kSchemeWidth x kSchemeHeight picture of the laid-out scheme.
QImage PaintScheme(const SchemeLayout& layout);

QImage RenderScheme(const CitySource& city);

// The colours the scheme is painted with; its 8-bit form must keep them exact.
std::vector<QRgb> SchemeColours(const CitySource& city);

}  // namespace tnx::city::draw
