// A choice in the station lists, shared by the main thread and the lists' watcher: it
// takes effect once the lists have been left alone for a while, so that browsing a list
// costs one search. Times are of a monotonic clock, so a change of the wall clock
// neither fires nor stalls an update.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace tnx {

class TStationChangeState {
public:
    using TClock = std::chrono::steady_clock;

    // A list selection changed by the user (main thread).
    void Arm(TClock::time_point now) {
        lastChange_.store(now.time_since_epoch().count());
        // Published after the time, so a watcher that sees the change sees its time.
        sequence_.fetch_add(1, std::memory_order_release);
    }
    // Forget every change so far.
    void Clear() { consumed_.store(sequence_.load()); }
    bool Pending() const { return sequence_.load() != consumed_.load(); }

    // For the watcher: the number of the latest change, then its time.
    std::uint64_t Sequence() const { return sequence_.load(std::memory_order_acquire); }
    TClock::time_point LastChange() const { return TClock::time_point(TClock::duration(lastChange_.load())); }
    std::uint64_t Consumed() const { return consumed_.load(); }
    // Changes up to `sequence` are dealt with; a later one stays pending.
    void Consume(std::uint64_t sequence) { consumed_.store(sequence); }

private:
    std::atomic<TClock::rep> lastChange_{0};
    std::atomic<std::uint64_t> sequence_{0};
    std::atomic<std::uint64_t> consumed_{0};
};

}  // namespace tnx
