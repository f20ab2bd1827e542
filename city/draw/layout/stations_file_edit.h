// Rewrites fields of stations.txt in place, keeping comments and column layout.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace tnx::city::layout {

struct StationEdit {
    std::optional<std::pair<int, int>> position;  // X, Y
    std::optional<std::string> label;             // the Label field as written
};

// False, with a message in error, when the file cannot be read or written.
bool EditStationsFile(const std::string& folder, const std::map<int, StationEdit>& edits, std::string& error);

}  // namespace tnx::city::layout
