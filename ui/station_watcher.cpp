#include "ui/station_watcher.h"

namespace tnx::ui {

TCheckStationsChanged::TCheckStationsChanged(TStationChangeState& state, std::function<void()> update,
                                             TWatcherTiming timing, TNow now)
    : state_(state), update_(std::move(update)), timing_(timing), now_(std::move(now)) {}

TCheckStationsChanged::~TCheckStationsChanged() { Stop(); }

void TCheckStationsChanged::Execute() {
    for (;;) {
        if (!Sleep(timing_.Poll)) return;
        const std::uint64_t change = state_.Sequence();
        if (change == state_.Consumed()) continue;
        if (now_() - state_.LastChange() <= timing_.Delay) continue;
        if (Synchronize([update = update_] {
                if (update) update();
                return true;
            }) == THandOver::Stopped)
            return;
        if (!Sleep(timing_.Settle)) return;
        // A change made during the update or the settling keeps its own update.
        state_.Consume(change);
        if (!Sleep(timing_.Settle)) return;
    }
}

}  // namespace tnx::ui
