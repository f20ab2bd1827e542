// A line's icon from the city module and the colour it is painted in.
#pragma once

#include <QColor>
#include <QImage>

#include "shell/city_module.h"

namespace tnx::ui {

// The icon "L" + line with its key colour transparent; null when the module has none.
QImage LineIcon(const CityModule* module, int line);

// The colour most of the icon's visible pixels have; grey for a null icon.
QColor LineColour(const QImage& icon);

}  // namespace tnx::ui
