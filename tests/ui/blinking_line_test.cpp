// The animation thread with recording steps and short periods, and the real
// one blinking on the main window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRadioButton>
#include <QtTest/QTest>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "ui/blinking_line.h"
#include "ui/image_control.h"
#include "ui/radio_group.h"
#include "ui/route_frame.h"

namespace tnx::ui::test {
namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// Records every step with its time; all of it on the main thread.
struct TStepLog {
    std::string Steps;
    std::vector<TClock::time_point> Times;
    int OffMainThread = 0;
    int WhilePaused = 0;
    const TAnimationPause* Pause = nullptr;
    std::function<void(char)> OnStep;

    std::function<void()> Step(char name) {
        return [this, name] {
            if (QThread::currentThread() != QCoreApplication::instance()->thread()) ++OffMainThread;
            if (Pause != nullptr && Pause->Paused()) ++WhilePaused;
            Steps += name;
            Times.push_back(TClock::now());
            if (OnStep) OnStep(name);
        };
    }
    TBlinkingSteps Steps3() { return {Step('D'), Step('R'), Step('P')}; }
};

constexpr TBlinkingTiming kFast{40ms, 20ms, 5ms};

bool Cyclic(const std::string& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i] != "DRP"[i % 3]) return false;
    return true;
}

TEST(BlinkingLine, StepsRunInOrderOnTheMainThreadWithTheirPauses) {
    TAnimationPause pause;
    TStepLog log;
    TBlinkingLine thread(pause, log.Steps3(), kFast);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(log.Steps.size() >= 7, 3000);
    thread.Stop();
    EXPECT_TRUE(thread.isFinished());
    EXPECT_TRUE(Cyclic(log.Steps)) << log.Steps;
    EXPECT_EQ(log.OffMainThread, 0);
    // The route picture stays at least its 40 ms, the plain one its 20 ms.
    for (std::size_t i = 1; i < log.Steps.size(); ++i) {
        const auto gap = log.Times[i] - log.Times[i - 1];
        if (log.Steps[i] == 'P') {
            EXPECT_GE(gap, 40ms) << i;
        }
        if (log.Steps[i] == 'D') {
            EXPECT_GE(gap, 20ms) << i;
        }
    }
    const std::size_t seen = log.Steps.size();
    QTest::qWait(80);
    EXPECT_EQ(log.Steps.size(), seen) << "nothing after the stop";
}

TEST(BlinkingLine, NestedPausesHoldEveryStepAndTheLoopGoesOnWhereItStopped) {
    TAnimationPause pause;
    TStepLog log;
    log.Pause = &pause;
    TBlinkingLine thread(pause, log.Steps3(), kFast);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(log.Steps.size() >= 2, 3000);

    pause.Pause();
    pause.Pause();
    const std::size_t held = log.Steps.size();
    QTest::qWait(150);
    pause.Resume();
    QTest::qWait(150);
    EXPECT_EQ(log.Steps.size(), held) << "one pause is still open";
    pause.Resume();
    QTRY_VERIFY_WITH_TIMEOUT(log.Steps.size() >= held + 4, 3000);
    thread.Stop();
    EXPECT_EQ(log.WhilePaused, 0);
    EXPECT_TRUE(Cyclic(log.Steps)) << log.Steps;
}

TEST(BlinkingLine, AStepHandedOverBeforeThePauseIsNotDrawnDuringIt) {
    TAnimationPause pause;
    TStepLog log;
    log.Pause = &pause;
    TBlinkingLine thread(pause, log.Steps3(), kFast);
    thread.start();
    // The worker hands its first step over while the main thread is busy.
    QThread::msleep(60);
    pause.Pause();
    QCoreApplication::processEvents();
    QTest::qWait(60);
    EXPECT_EQ(log.Steps, "") << "declined while paused";
    pause.Resume();
    QTRY_VERIFY_WITH_TIMEOUT(log.Steps.size() >= 3, 3000);
    thread.Stop();
    EXPECT_EQ(log.WhilePaused, 0);
    EXPECT_TRUE(Cyclic(log.Steps)) << "the declined step comes again first: " << log.Steps;
}

TEST(BlinkingLine, StopsAtOnceWhileAHandOverWaitsForTheMainThread) {
    TAnimationPause pause;
    TStepLog log;
    auto thread = std::make_unique<TBlinkingLine>(pause, log.Steps3(), kFast);
    thread->start();
    QThread::msleep(60);  // the first step waits in the main thread's queue
    const auto before = TClock::now();
    thread->Stop();
    EXPECT_LT(TClock::now() - before, 500ms);
    EXPECT_TRUE(thread->isFinished());
    thread.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(log.Steps, "") << "the queued step never runs after the stop";

    // Stopped, and even destroyed, from inside a step, as closing the window in a dialog does.
    TStepLog inner;
    auto nested = std::make_unique<TBlinkingLine>(pause, inner.Steps3(), kFast);
    inner.OnStep = [&](char) {
        nested->Stop();
        nested.reset();
    };
    nested->start();
    QTRY_VERIFY_WITH_TIMEOUT(nested == nullptr, 3000);
    QTest::qWait(50);
    EXPECT_EQ(inner.Steps, "D");
}

// The real animation on the main window: both pictures, each for its time.
TEST_F(FormTest, RouteBlinksBetweenTheRoutePictureAndThePlainScheme) {
    AddCity();
    Started();
    const std::uint8_t a = Station("Холодная гора");
    const std::uint8_t b = Station("Героев труда");
    form->SetEndpoints(a, b);
    QImage routePicture;
    PaintRouteFrame(routePicture, {form->State().City, form->Bitmaps(), a, b, form->State().ShownRouteStations,
                                   form->State().ShownRouteTransfers});
    form->ShowPlainFrame();
    const QImage plainPicture = form->Image1->Picture().copy();
    ASSERT_NE(routePicture, plainPicture);
    const auto showing = [&](const QImage& picture) { return form->Image1->Picture() == picture; };

    // Timed from a change of picture, not from whatever phase the test came in at.
    ASSERT_TRUE(showing(plainPicture));
    QTRY_VERIFY_WITH_TIMEOUT(showing(routePicture), 3000);
    const auto routeShown = TClock::now();
    QTRY_VERIFY_WITH_TIMEOUT(showing(plainPicture), 3000);
    const auto plainShown = TClock::now();
    QTRY_VERIFY_WITH_TIMEOUT(showing(routePicture), 3000);
    const auto routeAgain = TClock::now();
    EXPECT_GE(plainShown - routeShown, 750ms);
    EXPECT_GE(routeAgain - plainShown, 350ms);
    EXPECT_LT(routeAgain - routeShown, 2500ms);

    // Another entry of the route list shows at the next cycle.
    form->N3->trigger();  // waiting times off
    form->N9->trigger();  // every route, not only optimal ones
    form->SetEndpoints(a, Station("Метростроителей"));
    ASSERT_EQ(form->RadioGroup1->Count(), 2);
    form->RadioGroup1->Button(1)->click();
    QImage second;
    PaintRouteFrame(second, {form->State().City, form->Bitmaps(), form->State().StartStation, form->State().EndStation,
                             form->State().Routes().Route(2).Stations, form->State().Routes().Route(2).ChangeStations});
    QTRY_VERIFY_WITH_TIMEOUT(showing(second), 3000);
}

}  // namespace
}  // namespace tnx::ui::test
