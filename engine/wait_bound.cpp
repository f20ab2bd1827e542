#include "engine/wait_bound.h"

#include <algorithm>

#include "engine/search_data.h"

namespace tnx {
namespace {

constexpr std::uint16_t kFar = 0xFFFF;

// Nodes: s is "at station s, about to ride its line" (where a transfer arrives);
// kOff + s is "stepped off at s" (about to walk on, or at the end).
constexpr int kOff = kMaxStations + 1;
constexpr int kNodes = 2 * (kMaxStations + 1);

// The heap's order: the least distance on top.
bool Farther(const TWaitBounds::HeapEntry& a, const TWaitBounds::HeapEntry& b) { return a.Distance > b.Distance; }

}  // namespace

void BuildBoundGraph(const TCity& city, TBoundGraph& graph) {
    const int n = city.NumOfStations;
    int count[kMaxStations + 2] = {};
    // Stations by line; a line outside 1..NumOfLines holds none the search rides.
    for (int s = 1; s <= n; ++s) {
        const int line = city.Station(static_cast<std::uint8_t>(s)).Line;
        if (line >= 1 && line <= kMaxLines) ++count[line];
    }
    graph.LineStart[0] = graph.LineStart[1] = 0;
    for (int line = 1; line <= kMaxLines; ++line)
        graph.LineStart[line + 1] = static_cast<std::uint16_t>(graph.LineStart[line] + count[line]);
    std::uint16_t fill[kMaxStations + 2];
    std::copy(graph.LineStart, graph.LineStart + kMaxLines + 2, fill);
    for (int s = 1; s <= n; ++s) {
        const int line = city.Station(static_cast<std::uint8_t>(s)).Line;
        if (line >= 1 && line <= kMaxLines) graph.LineStations[fill[line]++] = static_cast<std::uint8_t>(s);
    }

    // Transfer predecessors of station t: F of every option arriving at t.
    std::fill(count, count + kMaxStations + 2, 0);
    const auto forEachOption = [&](auto visit) {
        for (int a = 1; a <= city.NumOfLines; ++a)
            for (int b = 1; b <= city.NumOfLines; ++b)
                for (int k = 1; k <= 2; ++k) {
                    const TTransferOption& o =
                        city.Transfer(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), k);
                    if (o.Minutes != 0 && o.FromStation >= 1 && o.FromStation <= n && o.ToStation >= 1 &&
                        o.ToStation <= n)
                        visit(o);
                }
    };
    forEachOption([&](const TTransferOption& o) { ++count[o.ToStation]; });
    graph.TransferStart[0] = 0;
    for (int s = 0; s <= n; ++s)
        graph.TransferStart[s + 1] = static_cast<std::uint16_t>(graph.TransferStart[s] + count[s]);
    std::copy(graph.TransferStart, graph.TransferStart + n + 2, fill);
    forEachOption([&](const TTransferOption& o) { graph.Transfers[fill[o.ToStation]++] = {o.FromStation, o.Minutes}; });
}

const std::uint16_t* WaitBoundsTo(const TSearchData& data, const TWaitTable& waits, TWaitBounds& bounds,
                                  std::uint8_t finish) {
    if (bounds.DataSerial != data.Serial() || bounds.Waits != waits) {
        bounds.DataSerial = data.Serial();
        bounds.Waits = waits;
        std::fill(std::begin(bounds.Ready), std::end(bounds.Ready), false);
    }
    std::uint16_t* result = bounds.ToFinish[finish];
    if (bounds.Ready[finish]) return result;

    // Backwards from stepping off at the end.
    const TCity& city = data.City();
    const TSearchIndex& index = data.Index();
    const TBoundGraph& graph = data.Graph();
    std::uint32_t distance[kNodes];
    std::fill(distance, distance + kNodes, 0xFFFFFFFFu);
    TWaitBounds::HeapEntry* const heap = bounds.Heap.data();
    int size = 0;
    const auto relax = [&](int node, std::uint32_t d) {
        if (d < distance[node]) {
            distance[node] = d;
            heap[size++] = {d, static_cast<std::uint16_t>(node)};
            std::push_heap(heap, heap + size, Farther);
        }
    };
    relax(kOff + finish, 0);
    while (size > 0) {
        std::pop_heap(heap, heap + size, Farther);
        const TWaitBounds::HeapEntry e = heap[--size];
        if (e.Distance != distance[e.Node]) continue;
        if (e.Node >= kOff) {
            // Stepped off at y: ridden there from any station of its line that rides to it.
            const int y = e.Node - kOff;
            const int line = city.Station(static_cast<std::uint8_t>(y)).Line;
            if (line < 1 || line > kMaxLines) continue;
            const std::uint32_t wait = waits[static_cast<std::size_t>(line - 1)];
            for (int i = graph.LineStart[line]; i < graph.LineStart[line + 1]; ++i) {
                const int x = graph.LineStations[i];
                for (int d = 0; d < 2; ++d) {
                    const TRideEntry& ride = index.Rides[x][y][d];
                    if (ride.Possible) relax(x, e.Distance + ride.Minutes + (ride.ZeroLength ? 0 : wait));
                }
            }
        } else {
            // At t after a transfer: walked there from where the transfer starts.
            const int t = e.Node;
            for (int i = graph.TransferStart[t]; i < graph.TransferStart[t + 1]; ++i)
                relax(kOff + graph.Transfers[i].From, e.Distance + graph.Transfers[i].Minutes);
        }
    }
    for (int s = 0; s <= city.NumOfStations; ++s)
        result[s] = static_cast<std::uint16_t>(std::min<std::uint32_t>(distance[s], kFar));
    bounds.Ready[finish] = true;
    return result;
}

}  // namespace tnx
