#include "city/draw/drawing_warnings.h"

#include "city/draw/label_clashes.h"
#include "city/draw/label_reading.h"
#include "city/draw/mark_clearance.h"

namespace tnx::city::draw {

std::vector<std::string> FindDrawingWarnings(const SchemeLayout& layout) {
    std::vector<std::string> warnings;
    for (auto* find : {FindLabelClashes, FindMisleadingNames, FindNamesReadWithOtherLines, FindMarksCrowdedByTracks,
                       FindMarksOnRivers}) {
        for (std::string& warning : find(layout)) warnings.push_back(std::move(warning));
    }
    return warnings;
}

}  // namespace tnx::city::draw
