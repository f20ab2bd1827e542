#include "city/draw/city_pictures.h"

#include <stdexcept>

#include "city/draw/drawing_check.h"
#include "city/draw/palette_reduction.h"
#include "city/draw/scheme_renderer.h"
#include "city/draw/small_pictures.h"
#include "model/city_resources.h"

namespace tnx::city::draw {

std::vector<NamedPicture> RenderCityPictures(const CitySource& city) {
    if (const std::string problem = FindDrawingProblem(city); !problem.empty()) {
        throw std::runtime_error(problem);
    }

    std::vector<NamedPicture> pictures;
    pictures.push_back({resource::kMap, ReduceToPalette(RenderScheme(city), SchemeColours(city))});
    // A small picture has no more colours than pixels, so all of them stay exact.
    for (const LineSource& line : city.lines) {
        const QColor colour(line.colour[0], line.colour[1], line.colour[2]);
        pictures.push_back({resource::LineIcon(line.number), ReduceToPalette(RenderLineIcon(line.number, colour), {})});
    }
    const std::pair<const char*, RouteFlag> flags[] = {{resource::kFlag1, RouteFlag::Start},
                                                       {resource::kFlag2, RouteFlag::End},
                                                       {resource::kFlag1A, RouteFlag::StartAlternate},
                                                       {resource::kFlag2A, RouteFlag::EndAlternate}};
    for (const auto& [name, flag] : flags) {
        pictures.push_back({name, ReduceToPalette(RenderRouteFlag(flag), {})});
    }
    pictures.push_back({resource::kCircle, ReduceToPalette(RenderRouteCircle(), {})});
    return pictures;
}

}  // namespace tnx::city::draw
