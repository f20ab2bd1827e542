// The pictures of a city module: the scheme, the endpoint markers, the route
// circle and the line icons.
#pragma once

#include <optional>
#include <string>

#include "shell/city_module.h"
#include "shell/dib_image.h"

namespace tnx {

struct TCityPictures {
    TDibImage Map;     // MAP, the scheme
    TDibImage Flag1;   // FLAG1, start marker
    TDibImage Flag2;   // FLAG2, end marker
    TDibImage Flag1A;  // FLAG1A, start marker of the animation's second phase
    TDibImage Flag2A;  // FLAG2A, end marker of the animation's second phase
    TDibImage Circle;  // CIRCLE, mark of a station on the shown route
};

// Reads every picture; on failure returns false with a message and leaves pictures untouched.
bool ReadCityPictures(const CityModule& module, TCityPictures& pictures, std::string& error);

// The icon "L" + line; empty when the module has none or it is broken.
std::optional<TDibImage> ReadLineIcon(const CityModule& module, int line);

}  // namespace tnx
