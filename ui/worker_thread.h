// A worker thread with one run loop that hands its steps to the main thread
// and waits for them. A stop request wakes every wait at once, also a wait for
// a step the main thread has not run yet, so the main thread can stop and join
// the worker from anywhere, even from inside a step or a modal dialog.
#pragma once

#include <QThread>
#include <chrono>
#include <functional>
#include <memory>

namespace tnx::ui {

class TStepRunner;

class TWorkerThread : public QThread {
    Q_OBJECT
public:
    enum class THandOver {
        Ran,       // the main thread ran the step
        Declined,  // the step chose not to run (it returned false)
        Stopped,   // a stop was requested first; the step will never run
    };

    ~TWorkerThread() override;

    // Main thread only. Stop requests the end of the loop and waits for it;
    // neither ever waits for the main thread.
    void RequestStop();
    void Stop();
    bool Terminated() const;

protected:
    TWorkerThread();

    // The run loop.
    virtual void Execute() = 0;

    // Runs step on the main thread and waits until it has run, declined or a
    // stop was requested. Worker thread only.
    THandOver Synchronize(std::function<bool()> step);
    // False when a stop was requested before or during the wait.
    bool Sleep(std::chrono::milliseconds duration);

private:
    friend class TStepRunner;
    void run() final;

    struct TShared;
    std::shared_ptr<TShared> shared_;
    TStepRunner* runner_;  // on the main thread; runs the handed-over steps
};

}  // namespace tnx::ui
