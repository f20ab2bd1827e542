#include "ui/scroll_thread.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include "ui/image_control.h"

namespace tnx::ui {
namespace {

constexpr int kPollMs = 5;

QFont StripFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

}  // namespace

TScroll::TScroll(const QString& text, TImage* target)
    : target_(target), strip_(text, target->Picture().size(), target->palette().color(QPalette::Window),
                              target->palette().color(QPalette::WindowText), StripFont()) {
    start();
}

TScroll::~TScroll() {
    Stop();
    wait();
}

void TScroll::Execute() {
    if (stopRequested_) return;  // a step queued before the stop paints nothing
    strip_.Step(target_->Picture());
    target_->update();
    ++steps_;
}

void TScroll::run() {
    while (!stopRequested_) {
        // Queued to this object, which lives on the main thread: a step still pending
        // when the object goes is dropped with it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                Execute();
                stepDone_.release();
            },
            Qt::QueuedConnection);
        while (!stepDone_.tryAcquire(1, kPollMs))
            if (stopRequested_) return;
        if (stopRequested_) return;
        msleep(kStepMs);
    }
}

}  // namespace tnx::ui
