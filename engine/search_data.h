// What the route search works out once per city: its index of rides and line
// distances and the graph of its wait bounds. Built when a city is loaded and kept
// beside the city by whoever loads it; a search reads the city through its data, so
// it can never meet another city's index.
#pragma once

#include <cstdint>

#include "engine/search_index.h"
#include "engine/wait_bound.h"
#include "model/city_tables.h"

namespace tnx {

class TSearchData {
public:
    // city must have passed CheckCityTables and outlive the data. The data describes
    // the tables as they are now: build it anew whenever they change (at every load).
    // Large: allocate it on the heap.
    explicit TSearchData(const TCity& city);
    TSearchData(const TSearchData&) = delete;
    TSearchData& operator=(const TSearchData&) = delete;

    const TCity& City() const { return city_; }
    // True for the very city object the data was built from.
    bool Describes(const TCity& city) const { return &city == &city_; }
    const TSearchIndex& Index() const { return index_; }
    const TBoundGraph& Graph() const { return graph_; }
    // Different for every data built, so that what was worked out from one (the wait
    // bounds) is never taken for another's, even at the same address.
    std::uint64_t Serial() const { return serial_; }

private:
    const TCity& city_;
    std::uint64_t serial_;
    TSearchIndex index_;
    TBoundGraph graph_;
};

}  // namespace tnx
