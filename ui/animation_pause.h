// Counted pauses of the route animation. Every operation that changes what the
// animation shows pauses it first and resumes it last; pauses nest, and the
// animation runs only while none is open. Pause and Resume are called on the
// main thread only; the animation's thread only reads.
#pragma once

#include <atomic>

namespace tnx::ui {

class TAnimationPause {
public:
    void Pause() {
        ++depth_;
        ++pauses_;
    }
    void Resume() {
        // An unmatched resume must not cancel a later pause.
        if (depth_.load() > 0) --depth_;
    }
    bool Paused() const { return depth_.load() > 0; }
    int Depth() const { return depth_.load(); }
    // Pauses taken so far.
    long PauseCount() const { return pauses_.load(); }

private:
    std::atomic<int> depth_{0};
    std::atomic<long> pauses_{0};
};

class TPauseScope {
public:
    explicit TPauseScope(TAnimationPause& pause) : pause_(pause) { pause_.Pause(); }
    ~TPauseScope() { pause_.Resume(); }
    TPauseScope(const TPauseScope&) = delete;
    TPauseScope& operator=(const TPauseScope&) = delete;

private:
    TAnimationPause& pause_;
};

}  // namespace tnx::ui
