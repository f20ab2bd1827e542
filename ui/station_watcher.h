// The station lists' watcher: applies a choice in a list once the lists have been
// left alone for 1.728 s.
#pragma once

#include <chrono>
#include <functional>

#include "shell/station_change.h"
#include "ui/worker_thread.h"

namespace tnx::ui {

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
