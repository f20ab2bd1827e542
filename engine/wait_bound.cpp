#include "engine/wait_bound.h"

#include <algorithm>

namespace tnx {
namespace {

constexpr std::uint16_t kFar = 0xFFFF;

// Nodes: the platform of station s is s, its train is kTrain + s.
constexpr int kTrain = kMaxStations + 1;
constexpr int kNodes = 2 * (kMaxStations + 1);

struct HeapEntry {
    std::uint32_t distance;
    std::uint16_t node;
};

// A fixed binary heap: the bound is worked out without allocating.
class Heap {
public:
    bool Empty() const { return size_ == 0; }
    void Push(std::uint32_t distance, int node) {
        int i = size_++;
        entries_[i] = {distance, static_cast<std::uint16_t>(node)};
        while (i > 0 && entries_[(i - 1) / 2].distance > entries_[i].distance) {
            std::swap(entries_[(i - 1) / 2], entries_[i]);
            i = (i - 1) / 2;
        }
    }
    HeapEntry Pop() {
        const HeapEntry top = entries_[0];
        entries_[0] = entries_[--size_];
        for (int i = 0;;) {
            const int l = 2 * i + 1, r = l + 1;
            int m = i;
            if (l < size_ && entries_[l].distance < entries_[m].distance) m = l;
            if (r < size_ && entries_[r].distance < entries_[m].distance) m = r;
            if (m == i) break;
            std::swap(entries_[m], entries_[i]);
            i = m;
        }
        return top;
    }

private:
    // Every edge pushes at most once, every node once more at the start.
    HeapEntry entries_[TWaitBounds::kMaxHops + TWaitBounds::kMaxTransfers + 2 * kNodes];
    int size_ = 0;
};

}  // namespace

void PrepareWaitBounds(const TCity& city, TWaitBounds& bounds) {
    const int n = city.NumOfStations;
    // Hop predecessors of station s's train: u whose Next or Prev is s.
    int count[kMaxStations + 2] = {};
    for (int u = 1; u <= n; ++u) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(u));
        if (s.Next >= 1 && s.Next <= n) ++count[s.Next];
        if (s.Prev >= 1 && s.Prev <= n) ++count[s.Prev];
    }
    bounds.HopStart[0] = 0;
    for (int s = 0; s <= n; ++s) bounds.HopStart[s + 1] = static_cast<std::uint16_t>(bounds.HopStart[s] + count[s]);
    std::uint16_t fill[kMaxStations + 2];
    std::copy(bounds.HopStart, bounds.HopStart + n + 2, fill);
    for (int u = 1; u <= n; ++u) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(u));
        if (s.Next >= 1 && s.Next <= n) bounds.Hops[fill[s.Next]++] = {static_cast<std::uint8_t>(u), s.MinutesToNext};
        if (s.Prev >= 1 && s.Prev <= n) bounds.Hops[fill[s.Prev]++] = {static_cast<std::uint8_t>(u), s.MinutesToPrev};
    }
    // Transfer predecessors of station t's platform: F of every option arriving at t.
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
    bounds.TransferStart[0] = 0;
    for (int s = 0; s <= n; ++s)
        bounds.TransferStart[s + 1] = static_cast<std::uint16_t>(bounds.TransferStart[s] + count[s]);
    std::copy(bounds.TransferStart, bounds.TransferStart + n + 2, fill);
    forEachOption([&](const TTransferOption& o) { bounds.Transfers[fill[o.ToStation]++] = {o.FromStation, o.Minutes}; });

    bounds.HaveWaits = false;
}

const std::uint16_t* WaitBoundsTo(const TCity& city, TWaitBounds& bounds, std::uint8_t finish) {
    if (!bounds.HaveWaits || bounds.Waits != city.EffectiveWait) {
        bounds.Waits = city.EffectiveWait;
        bounds.HaveWaits = true;
        std::fill(std::begin(bounds.Ready), std::end(bounds.Ready), false);
    }
    std::uint16_t* result = bounds.ToFinish[finish];
    if (bounds.Ready[finish]) return result;

    // Backwards from the end's platform. A ride is boarding (the line's wait), hops,
    // and stepping off; a transfer walks from platform to platform.
    const int n = city.NumOfStations;
    std::uint32_t distance[kNodes];
    std::fill(distance, distance + kNodes, 0xFFFFFFFFu);
    static thread_local Heap heap;
    heap = Heap();
    distance[finish] = 0;
    heap.Push(0, finish);
    while (!heap.Empty()) {
        const HeapEntry e = heap.Pop();
        if (e.distance != distance[e.node]) continue;
        const auto relax = [&](int node, std::uint32_t d) {
            if (d < distance[node]) {
                distance[node] = d;
                heap.Push(d, node);
            }
        };
        if (e.node < kTrain) {
            const int s = e.node;  // a platform: reached by stepping off s's train, or on foot
            relax(kTrain + s, e.distance);
            for (int i = bounds.TransferStart[s]; i < bounds.TransferStart[s + 1]; ++i)
                relax(bounds.Transfers[i].From, e.distance + bounds.Transfers[i].Minutes);
        } else {
            const int s = e.node - kTrain;  // a train at s: boarded at s, or ridden in from a neighbour
            const int line = city.Station(static_cast<std::uint8_t>(s)).Line;
            relax(s, e.distance + city.EffectiveWait[static_cast<std::size_t>(line - 1)]);
            for (int i = bounds.HopStart[s]; i < bounds.HopStart[s + 1]; ++i)
                relax(kTrain + bounds.Hops[i].From, e.distance + bounds.Hops[i].Minutes);
        }
    }
    for (int s = 0; s <= n; ++s)
        result[s] = static_cast<std::uint16_t>(std::min<std::uint32_t>(distance[s], kFar));
    bounds.Ready[finish] = true;
    return result;
}

}  // namespace tnx
