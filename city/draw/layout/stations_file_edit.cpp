#include "city/draw/layout/stations_file_edit.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace tnx::city::layout {
namespace {

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, '|');) fields.push_back(field);
    return fields;
}

std::string Padded(const std::string& value, std::size_t width) {
    std::string field = " " + value;
    while (field.size() + 1 < width) field += ' ';
    return field + " ";
}

}  // namespace

bool EditStationsFile(const std::string& folder, const std::map<int, StationEdit>& edits, std::string& error) {
    const std::string path = folder + "/stations.txt";
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string text;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields = SplitFields(line);
        const bool row = !line.empty() && line[0] != '#' && fields.size() == 13;
        const auto edit = row ? edits.find(std::atoi(fields[0].c_str())) : edits.end();
        if (edit != edits.end()) {
            if (edit->second.position) {
                fields[3] = Padded(std::to_string(edit->second.position->first), fields[3].size());
                fields[4] = Padded(std::to_string(edit->second.position->second), fields[4].size());
            }
            if (edit->second.label) fields[12] = " " + *edit->second.label;
            line.clear();
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (i > 0) line += '|';
                line += fields[i];
            }
        }
        text += line + "\n";
    }
    std::ofstream out(path, std::ios::trunc);
    out << text;
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace tnx::city::layout
