#include "city/pack/pack_errors.h"

namespace tnx::city {

void PackErrors::Add(const std::string& subject, const SourceLocation& where, const std::string& field,
                     const std::string& message) {
    std::string text = city_ + ": " + subject;
    if (!where.file.empty()) text += " (" + At(where) + ")";
    if (!field.empty()) text += ": " + field;
    messages_.push_back(text + ": " + message);
}

std::string StationSubject(const StationSource& station) {
    return "station " + std::to_string(station.number) + " \"" + station.name + "\"";
}

std::string At(const SourceLocation& where) {
    return where.line > 0 ? where.file + ":" + std::to_string(where.line) : where.file;
}

}  // namespace tnx::city
