// The worker that scrolls a text strip through an image, one row every 25 ms.
// Its steps run on the main thread; it never blocks on the main thread for good,
// so destroying it (which joins it) cannot deadlock.
#pragma once

#include <QSemaphore>
#include <QThread>
#include <atomic>

#include "ui/scroll_strip.h"

namespace tnx::ui {

class TImage;

class TScroll : public QThread {
    Q_OBJECT
public:
    static constexpr int kStepMs = 25;

    // Starts at once. The target must outlive the scroller.
    TScroll(const QString& text, TImage* target);
    // Asks the thread to stop and joins it.
    ~TScroll() override;

    // Asks the thread to stop; it ends within one pause and paints no more.
    void Stop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

    const TScrollStrip& Strip() const { return strip_; }
    // Steps run so far.
    int Steps() const { return steps_; }

protected:
    void run() override;

private:
    void Execute();  // the step, on the main thread

    TImage* target_;
    TScrollStrip strip_;
    QSemaphore stepDone_;
    // Unlike the thread's own interruption flag, it stays set once the thread has ended.
    std::atomic<bool> stopRequested_{false};
    int steps_ = 0;
};

}  // namespace tnx::ui
