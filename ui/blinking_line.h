// The route animation's thread: the route picture for 800 ms, the plain
// scheme with the alternate markers for 400 ms, for as long as it runs. Every
// drawing step runs on the main thread; while the animation is paused no step
// is handed over, and a step that reaches the main thread during a pause is
// declined there and handed over again after it.
#pragma once

#include <chrono>
#include <functional>

#include "ui/animation_pause.h"
#include "ui/worker_thread.h"

namespace tnx::ui {

struct TBlinkingSteps {
    std::function<void()> DrawRouteFrame;
    std::function<void()> ShowRouteFrame;
    std::function<void()> ShowPlainFrame;
};

struct TBlinkingTiming {
    std::chrono::milliseconds RouteShown{800};
    std::chrono::milliseconds PlainShown{400};
    // How often a paused worker looks whether the pause has ended.
    std::chrono::milliseconds PausePoll{20};
};

class TBlinkingLine : public TWorkerThread {
    Q_OBJECT
public:
    // pause and the steps' targets must outlive the thread's run.
    TBlinkingLine(const TAnimationPause& pause, TBlinkingSteps steps, TBlinkingTiming timing = {});
    ~TBlinkingLine() override;

protected:
    void Execute() override;

private:
    // Hands one step over once no pause is open; false when stopped.
    bool Step(const std::function<void()>& step);

    const TAnimationPause& pause_;
    TBlinkingSteps steps_;
    TBlinkingTiming timing_;
};

}  // namespace tnx::ui
