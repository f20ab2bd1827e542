#include "ui/blinking_line.h"

namespace tnx::ui {

TBlinkingLine::TBlinkingLine(const TAnimationPause& pause, TBlinkingSteps steps, TBlinkingTiming timing)
    : pause_(pause), steps_(std::move(steps)), timing_(timing) {}

// The loop reads the steps: it must end before they go.
TBlinkingLine::~TBlinkingLine() { Stop(); }

void TBlinkingLine::Execute() {
    while (!Terminated()) {
        if (!Step(steps_.DrawRouteFrame)) return;
        if (!Step(steps_.ShowRouteFrame)) return;
        if (!Sleep(timing_.RouteShown)) return;
        if (!Step(steps_.ShowPlainFrame)) return;
        if (!Sleep(timing_.PlainShown)) return;
    }
}

bool TBlinkingLine::Step(const std::function<void()>& step) {
    for (;;) {
        while (pause_.Paused())
            if (!Sleep(timing_.PausePoll)) return false;
        // The pause is checked again where the step runs: a pause taken after
        // the check above still keeps this step from drawing.
        const THandOver done = Synchronize([&pause = pause_, step] {
            if (pause.Paused()) return false;
            if (step) step();
            return true;
        });
        if (done == THandOver::Ran) return true;
        if (done == THandOver::Stopped) return false;
    }
}

}  // namespace tnx::ui
