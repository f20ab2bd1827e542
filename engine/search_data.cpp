#include "engine/search_data.h"

#include <atomic>

namespace tnx {
namespace {

std::uint64_t NextSerial() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

TSearchData::TSearchData(const TCity& city) : city_(city), serial_(NextSerial()) {
    BuildSearchIndex(city, index_);
    BuildBoundGraph(city, graph_);
}

}  // namespace tnx
