// Collects the packer's complaints, each naming the city, the thing at fault
// (a station, a cell, a line, a constant), its place in the source and the field.
#pragma once

#include <string>
#include <vector>

#include "city/source/city_source.h"

namespace tnx::city {

class PackErrors {
public:
    explicit PackErrors(std::string city) : city_(std::move(city)) {}

    // subject: "station 12 \"Советская\"", "cell (1, 2)", "line 3", "city.txt".
    void Add(const std::string& subject, const SourceLocation& where, const std::string& field,
             const std::string& message);

    bool Empty() const { return messages_.empty(); }
    std::size_t Count() const { return messages_.size(); }
    std::vector<std::string> Take() { return std::move(messages_); }

private:
    std::string city_;
    std::vector<std::string> messages_;
};

std::string StationSubject(const StationSource& station);
std::string At(const SourceLocation& where);  // "stations.txt:14"

}  // namespace tnx::city
