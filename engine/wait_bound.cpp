#include "engine/wait_bound.h"

#include <algorithm>

#include "engine/search_index.h"

namespace tnx {
namespace {

constexpr std::uint16_t kFar = 0xFFFF;

// Nodes: s is "at station s, about to ride its line" (where a transfer arrives);
// kOff + s is "stepped off at s" (about to walk on, or at the end).
constexpr int kOff = kMaxStations + 1;
constexpr int kNodes = 2 * (kMaxStations + 1);

// A binary heap over the bounds' own storage, so nothing is allocated.
class Heap {
public:
    explicit Heap(TWaitBounds::HeapEntry* entries) : entries_(entries) {}
    bool Empty() const { return size_ == 0; }
    void Push(std::uint32_t distance, int node) {
        int i = size_++;
        entries_[i] = {distance, static_cast<std::uint16_t>(node)};
        while (i > 0 && entries_[(i - 1) / 2].Distance > entries_[i].Distance) {
            std::swap(entries_[(i - 1) / 2], entries_[i]);
            i = (i - 1) / 2;
        }
    }
    TWaitBounds::HeapEntry Pop() {
        const TWaitBounds::HeapEntry top = entries_[0];
        entries_[0] = entries_[--size_];
        for (int i = 0;;) {
            const int l = 2 * i + 1, r = l + 1;
            int m = i;
            if (l < size_ && entries_[l].Distance < entries_[m].Distance) m = l;
            if (r < size_ && entries_[r].Distance < entries_[m].Distance) m = r;
            if (m == i) break;
            std::swap(entries_[m], entries_[i]);
            i = m;
        }
        return top;
    }

private:
    TWaitBounds::HeapEntry* entries_;
    int size_ = 0;
};

}  // namespace

void PrepareWaitBounds(const TCity& city, TWaitBounds& bounds) {
    const int n = city.NumOfStations;
    int count[kMaxStations + 2] = {};
    // Stations by line; a line outside 1..NumOfLines holds none the search rides.
    for (int s = 1; s <= n; ++s) {
        const int line = city.Station(static_cast<std::uint8_t>(s)).Line;
        if (line >= 1 && line <= kMaxLines) ++count[line];
    }
    bounds.LineStart[0] = bounds.LineStart[1] = 0;
    for (int line = 1; line <= kMaxLines; ++line)
        bounds.LineStart[line + 1] = static_cast<std::uint16_t>(bounds.LineStart[line] + count[line]);
    std::uint16_t fill[kMaxStations + 2];
    std::copy(bounds.LineStart, bounds.LineStart + kMaxLines + 2, fill);
    for (int s = 1; s <= n; ++s) {
        const int line = city.Station(static_cast<std::uint8_t>(s)).Line;
        if (line >= 1 && line <= kMaxLines) bounds.LineStations[fill[line]++] = static_cast<std::uint8_t>(s);
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
    bounds.TransferStart[0] = 0;
    for (int s = 0; s <= n; ++s)
        bounds.TransferStart[s + 1] = static_cast<std::uint16_t>(bounds.TransferStart[s] + count[s]);
    std::copy(bounds.TransferStart, bounds.TransferStart + n + 2, fill);
    forEachOption([&](const TTransferOption& o) {
        bounds.Transfers[fill[o.ToStation]++] = {o.FromStation, o.Minutes};
    });

    bounds.HaveWaits = false;
}

const std::uint16_t* WaitBoundsTo(const TCity& city, const TSearchIndex& index, TWaitBounds& bounds,
                                  std::uint8_t finish) {
    if (!bounds.HaveWaits || bounds.Waits != city.EffectiveWait) {
        bounds.Waits = city.EffectiveWait;
        bounds.HaveWaits = true;
        std::fill(std::begin(bounds.Ready), std::end(bounds.Ready), false);
    }
    std::uint16_t* result = bounds.ToFinish[finish];
    if (bounds.Ready[finish]) return result;

    // Backwards from stepping off at the end.
    const int n = city.NumOfStations;
    std::uint32_t distance[kNodes];
    std::fill(distance, distance + kNodes, 0xFFFFFFFFu);
    Heap heap(bounds.Heap);
    const auto relax = [&](int node, std::uint32_t d) {
        if (d < distance[node]) {
            distance[node] = d;
            heap.Push(d, node);
        }
    };
    relax(kOff + finish, 0);
    while (!heap.Empty()) {
        const TWaitBounds::HeapEntry e = heap.Pop();
        if (e.Distance != distance[e.Node]) continue;
        if (e.Node >= kOff) {
            // Stepped off at y: ridden there from any station of its line that rides to it.
            const int y = e.Node - kOff;
            const int line = city.Station(static_cast<std::uint8_t>(y)).Line;
            if (line < 1 || line > kMaxLines) continue;
            const std::uint32_t wait = city.EffectiveWait[static_cast<std::size_t>(line - 1)];
            for (int i = bounds.LineStart[line]; i < bounds.LineStart[line + 1]; ++i) {
                const int x = bounds.LineStations[i];
                for (int d = 0; d < 2; ++d) {
                    const TRideEntry& ride = index.Rides[x][y][d];
                    if (ride.Possible) relax(x, e.Distance + ride.Minutes + (ride.ZeroLength ? 0 : wait));
                }
            }
        } else {
            // At t after a transfer: walked there from where the transfer starts.
            const int t = e.Node;
            for (int i = bounds.TransferStart[t]; i < bounds.TransferStart[t + 1]; ++i)
                relax(kOff + bounds.Transfers[i].From, e.Distance + bounds.Transfers[i].Minutes);
        }
    }
    for (int s = 0; s <= n; ++s) result[s] = static_cast<std::uint16_t>(std::min<std::uint32_t>(distance[s], kFar));
    bounds.Ready[finish] = true;
    return result;
}

}  // namespace tnx
