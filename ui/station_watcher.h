// The station lists' watcher: a choice in a list takes effect once the lists
// have been left alone for 1.728 s, so browsing a list costs one search.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

#include "ui/worker_thread.h"

namespace tnx::ui {

// What the main thread and the watcher share. Times are of a monotonic clock,
// so a change of the wall clock neither fires nor stalls an update.
class TStationChangeState {
public:
    using TClock = std::chrono::steady_clock;

    // A list selection changed by the user (main thread).
    void Arm(TClock::time_point now);
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

struct TWatcherTiming {
    std::chrono::milliseconds Poll{200};
    // 0.00002 day; the update comes when more than this has passed.
    std::chrono::milliseconds Delay{1728};
    std::chrono::milliseconds Settle{100};
};

class TCheckStationsChanged : public TWorkerThread {
    Q_OBJECT
public:
    using TNow = std::function<TStationChangeState::TClock::time_point()>;

    // update runs on the main thread; state and update's targets must outlive the thread's run.
    TCheckStationsChanged(TStationChangeState& state, std::function<void()> update, TWatcherTiming timing = {},
                          TNow now = &TStationChangeState::TClock::now);
    ~TCheckStationsChanged() override;

protected:
    void Execute() override;

private:
    TStationChangeState& state_;
    std::function<void()> update_;
    TWatcherTiming timing_;
    TNow now_;
};

}  // namespace tnx::ui
