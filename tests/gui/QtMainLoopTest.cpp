// The core's main loop on Qt's event loop.
#include "platform/QtMainLoop.h"
#include "QtTestApp.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace gui_testing {
namespace {

using platform::seconds;

class QtMainLoopTest : public ::testing::Test {
protected:
    QCoreApplication& app = qtApp(); // timers need it before the loop exists
    qtshell::QtMainLoop loop;
};

TEST_F(QtMainLoopTest, PostedTasksRunInOrderOnALaterTurn) {
    std::vector<int> order;
    loop.post([&] { order.push_back(1); });
    loop.post([&] {
        order.push_back(2);
        loop.post([&] { order.push_back(4); });
    });
    loop.post([&] { order.push_back(3); });
    EXPECT_TRUE(order.empty());
    EXPECT_FALSE(loop.idle());
    waitUntil([&] { return loop.idle(); });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(QtMainLoopTest, CancelledTasksNeverRunAlsoWhenATimerCancelsItselfFromItsTick) {
    bool delayedRan = false, repeatingRan = false, postedRan = false, marker = false;
    const auto delayed = loop.postDelayed(seconds(0.01), [&] { delayedRan = true; });
    const auto repeating = loop.startRepeating(seconds(0.01), [&] { repeatingRan = true; });
    loop.cancel(delayed);
    loop.cancel(repeating);
    loop.cancel(12345); // unknown ids are ignored
    int ticks = 0;
    platform::TimerId self = 0;
    self = loop.startRepeating(seconds(0.005), [&] {
        if (++ticks == 3)
            loop.cancel(self);
    });
    loop.postDelayed(seconds(0.05), [&] { marker = true; });
    loop.post([&] { postedRan = true; });
    waitUntil([&] { return marker && ticks >= 3; });
    EXPECT_FALSE(delayedRan);
    EXPECT_FALSE(repeatingRan);
    EXPECT_TRUE(postedRan);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(loop.pendingTimers(), 0);
}

TEST_F(QtMainLoopTest, RepeatingTimerAfterABlockedLoopFiresOnceAndKeepsItsBeat) {
    using std::chrono::milliseconds;
    const auto start = std::chrono::steady_clock::now();
    std::vector<milliseconds> ticks;
    const auto id = loop.startRepeating(milliseconds(400), [&] {
        ticks.push_back(
            std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start));
    });
    // The loop cannot run for a second: the ticks due at 400 and 800 are missed.
    loop.post([] { std::this_thread::sleep_for(std::chrono::seconds(1)); });
    waitUntil([&] { return ticks.size() >= 2; });
    loop.cancel(id);
    EXPECT_GE(ticks[0], milliseconds(1000)); // the one late tick
    // Then the next beat at 1200: not at once after the late tick, nor a whole period after
    // it (the margin allows for a busy machine).
    EXPECT_GE(ticks[1], milliseconds(1200));
    EXPECT_LT(ticks[1] - ticks[0], milliseconds(350));
}

TEST_F(QtMainLoopTest, ExternalWorkKeepsTheLoopBusyUntilItsAnswerRuns) {
    const auto gui = std::this_thread::get_id();
    std::thread::id ranOn;
    loop.beginExternal();
    EXPECT_FALSE(loop.idle());
    std::thread worker([&] { loop.finishExternal([&] { ranOn = std::this_thread::get_id(); }); });
    worker.join();
    EXPECT_FALSE(loop.idle()); // handed back, not yet run
    waitUntil([&] { return loop.idle(); });
    EXPECT_EQ(ranOn, gui);
}

TEST_F(QtMainLoopTest, OnlyOneShotWorkCountsAsDueSoon) {
    // A screenshot waits for delayed one-shot work; a steady beat (ranging every second)
    // must not hold it off for ever.
    const auto beat = loop.startRepeating(seconds(1), [] {});
    EXPECT_FALSE(loop.oneShotDueWithin(2000));
    const auto later = loop.postDelayed(seconds(5), [] {});
    EXPECT_FALSE(loop.oneShotDueWithin(2000));
    const auto soon = loop.postDelayed(std::chrono::milliseconds(500), [] {});
    EXPECT_TRUE(loop.oneShotDueWithin(2000));
    loop.cancel(beat);
    loop.cancel(later);
    loop.cancel(soon);
}

} // namespace
} // namespace gui_testing
