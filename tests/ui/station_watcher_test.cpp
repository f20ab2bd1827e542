// The station lists' watcher: with a clock the test sets, and on the main window
// with the real one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QtTest/QTest>
#include <atomic>
#include <chrono>
#include <vector>

#include "form_fixture.h"
#include "ui/station_combo.h"
#include "ui/station_watcher.h"

namespace tnx::ui::test {
namespace {

using namespace std::chrono_literals;
using TClock = TStationChangeState::TClock;

// Polls every 5 ms of real time; the debounce is measured on the test's clock.
constexpr TWatcherTiming kFastPolls{5ms, 1728ms, 5ms};

class WatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        watcher_ = std::make_unique<TCheckStationsChanged>(
            state, [this] { Update(); }, kFastPolls, [this] { return Now(); });
        watcher_->start();
    }
    void TearDown() override { watcher_.reset(); }

    TClock::time_point Now() const { return TClock::time_point(std::chrono::milliseconds(clockMs.load())); }
    void At(long ms) { clockMs = ms; }
    void Change(long ms) {
        At(ms);
        state.Arm(Now());
    }
    void Update() {
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) ++offMainThread;
        updates.push_back(clockMs.load());
        if (onUpdate) onUpdate();
    }
    // Real time for the watcher to poll a few times and hand over what is due.
    static void Polls() { QTest::qWait(40); }

    TStationChangeState state;
    std::atomic<long> clockMs{100000};
    std::vector<long> updates;
    int offMainThread = 0;
    std::function<void()> onUpdate;
    std::unique_ptr<TCheckStationsChanged> watcher_;
};

TEST_F(WatcherTest, FiveChangesHalfASecondApartGiveOneUpdateAfterTheLast) {
    for (long t = 0; t <= 2000; t += 500) {
        Change(t);
        Polls();
        At(t + 499);
        Polls();
        EXPECT_TRUE(updates.empty()) << "after the change at " << t;
    }
    At(2000 + 1728);
    Polls();
    EXPECT_TRUE(updates.empty()) << "1.728 s is not yet more than the delay";
    At(2000 + 1729);
    QTRY_COMPARE_WITH_TIMEOUT(updates.size(), std::size_t{1}, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!state.Pending(), 2000);
    At(20000);
    Polls();
    EXPECT_EQ(updates.size(), 1u);
    EXPECT_EQ(offMainThread, 0);
}

TEST_F(WatcherTest, AChangeDuringTheUpdateGetsAnUpdateOfItsOwn) {
    onUpdate = [this] {
        // The user changes a list while the first update's search runs.
        if (updates.size() == 1) state.Arm(Now());
    };
    Change(0);
    At(1729);
    QTRY_COMPARE_WITH_TIMEOUT(updates.size(), std::size_t{1}, 2000);
    Polls();
    EXPECT_TRUE(state.Pending());
    EXPECT_EQ(updates.size(), 1u);
    At(1729 + 1729);
    QTRY_COMPARE_WITH_TIMEOUT(updates.size(), std::size_t{2}, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!state.Pending(), 2000);
}

TEST_F(WatcherTest, StopsAtOnceWhileItsUpdateWaitsForTheMainThread) {
    Change(0);
    At(5000);
    QThread::msleep(60);  // the update is due and waits in the main thread's queue
    const auto before = std::chrono::steady_clock::now();
    watcher_->Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    QCoreApplication::processEvents();
    QTest::qWait(20);
    EXPECT_TRUE(updates.empty()) << "no update after the stop";
}

// The real watcher of the main window.
class ListWatcherTest : public ShownFormTest {
protected:
    void Choose(TStationComboBox* box, const char* name) {
        const int index = box->findText(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

TEST_F(ListWatcherTest, OneChoiceTakesEffectAfterTheDelay) {
    const auto chosen = std::chrono::steady_clock::now();
    Choose(form->ComboBox1, "Холодная гора");
    QTRY_COMPARE_WITH_TIMEOUT(form->State().StartStation, std::uint8_t{12}, 4000);
    const auto applied = std::chrono::steady_clock::now() - chosen;
    EXPECT_GE(applied, 1728ms);
    EXPECT_LT(applied, 2400ms);
    EXPECT_EQ(form->State().EndStation, 8);
}

TEST_F(ListWatcherTest, NothingWhileAListIsDroppedDown) {
    Choose(form->ComboBox2, "Героев труда");
    form->ComboBox1->showPopup();
    ASSERT_TRUE(form->ComboBox1->DroppedDown());
    QTest::qWait(2300);
    EXPECT_EQ(form->State().EndStation, 8);
    EXPECT_FALSE(form->State().StationChange.Pending()) << "the change is used up all the same";
    form->ComboBox1->hidePopup();
    QTest::qWait(400);
    EXPECT_EQ(form->State().EndStation, 8) << "closing the list is no change";
}

}  // namespace
}  // namespace tnx::ui::test
