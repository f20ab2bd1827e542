#include "ui/worker_thread.h"

#include <QCoreApplication>
#include <condition_variable>
#include <mutex>

namespace tnx::ui {
namespace {

enum class TTicketState { Idle, Pending, Ran, Declined };

}  // namespace

// What the worker and the main thread share; every field under Mutex. It
// outlives the thread object, so a step still queued or running on the main
// thread after the worker has gone reports here and nowhere else.
struct TWorkerThread::TShared {
    std::mutex Mutex;
    std::condition_variable Wake;
    bool Stop = false;
    std::function<bool()> Step;  // handed over, not yet taken by the main thread
    TTicketState Ticket = TTicketState::Idle;
};

// Lives on the main thread. The queued call carries no data: the step travels
// through the shared state, under its lock.
class TStepRunner : public QObject {
    Q_OBJECT
public:
    TStepRunner(std::shared_ptr<TWorkerThread::TShared> shared, QObject* parent)
        : QObject(parent), shared_(std::move(shared)) {}

    Q_INVOKABLE void Run() {
        const auto shared = shared_;
        std::function<bool()> step;
        {
            std::lock_guard lock(shared->Mutex);
            if (shared->Stop || shared->Ticket != TTicketState::Pending) return;
            step = std::move(shared->Step);
            shared->Step = nullptr;
        }
        // The step may run a modal dialog in which the worker is stopped.
        const bool ran = step();
        {
            std::lock_guard lock(shared->Mutex);
            shared->Ticket = ran ? TTicketState::Ran : TTicketState::Declined;
        }
        shared->Wake.notify_all();
    }

private:
    std::shared_ptr<TWorkerThread::TShared> shared_;
};

TWorkerThread::TWorkerThread()
    : shared_(std::make_shared<TShared>()), runner_(new TStepRunner(shared_, QCoreApplication::instance())) {}

TWorkerThread::~TWorkerThread() {
    Stop();
    // Later, so that a step still running further up the stack keeps its runner.
    runner_->deleteLater();
}

void TWorkerThread::RequestStop() {
    {
        std::lock_guard lock(shared_->Mutex);
        shared_->Stop = true;
    }
    shared_->Wake.notify_all();
}

void TWorkerThread::Stop() {
    RequestStop();
    wait();
    // The worker's last act was under this lock: all it did is now seen here.
    std::lock_guard lock(shared_->Mutex);
}

bool TWorkerThread::Terminated() const {
    std::lock_guard lock(shared_->Mutex);
    return shared_->Stop;
}

void TWorkerThread::run() {
    Execute();
    std::lock_guard lock(shared_->Mutex);
    shared_->Step = nullptr;
}

bool TWorkerThread::Sleep(std::chrono::milliseconds duration) {
    std::unique_lock lock(shared_->Mutex);
    return !shared_->Wake.wait_for(lock, duration, [this] { return shared_->Stop; });
}

TWorkerThread::THandOver TWorkerThread::Synchronize(std::function<bool()> step) {
    {
        std::lock_guard lock(shared_->Mutex);
        if (shared_->Stop) return THandOver::Stopped;
        shared_->Step = std::move(step);
        shared_->Ticket = TTicketState::Pending;
    }
    QMetaObject::invokeMethod(runner_, "Run", Qt::QueuedConnection);

    std::unique_lock lock(shared_->Mutex);
    shared_->Wake.wait(lock, [this] { return shared_->Stop || shared_->Ticket != TTicketState::Pending; });
    const TTicketState ticket = shared_->Ticket;
    shared_->Ticket = TTicketState::Idle;
    if (ticket == TTicketState::Ran) return THandOver::Ran;
    if (ticket == TTicketState::Declined) return THandOver::Declined;
    return THandOver::Stopped;
}

}  // namespace tnx::ui

#include "worker_thread.moc"
