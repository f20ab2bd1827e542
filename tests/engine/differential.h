// Compares the production search and ranking with the literal ones.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/route.h"
#include "engine/search_data.h"
#include "engine/search_work.h"
#include "model/city_tables.h"

namespace tnx::test {

enum class Wait { Day, Evening, None };

struct DiffCase {
    std::uint8_t start;
    std::uint8_t finish;
    std::uint8_t changesDiff;
    std::uint8_t timeDiff;
    Wait wait;
    int capacity = kRouteCapacity;  // below it, the search meets a full list
};

class Differential {
public:
    Differential();
    // Searches data's city. Empty when both give the same stored list and, for every
    // combination of the only-optimal and by-transfers switches, the same ranked list;
    // else what differs.
    std::string Compare(const TSearchData& data, const DiffCase& c);
    std::uint64_t Searches() const { return searches_; }

private:
    std::unique_ptr<TRouteList> fast_, literal_, rankedFast_, rankedLiteral_;
    std::unique_ptr<TSearchWork> work_;
    std::unique_ptr<TCity> city_;  // the literal search's: the case's waits as its effective table
    std::uint64_t searches_ = 0;
};

std::string Describe(const DiffCase& c);

}  // namespace tnx::test
