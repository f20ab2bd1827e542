// Splits a city source file into rows of '|'-separated fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tnx::city {

struct TextRow {
    int line = 0;  // 1-based line number in the file
    std::vector<std::string> fields;
};

// Blank lines and lines starting with '#' are skipped; a UTF-8 byte order mark
// and CR line ends are tolerated; blanks around every field are removed.
std::vector<TextRow> SplitRows(std::string_view text, char separator);

// Removes blanks (spaces, tabs) at both ends.
std::string_view Trim(std::string_view text);

}  // namespace tnx::city
