#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/poll_loop.h"
#include "platform/virtual_loop.h"

namespace skycrier {
namespace {

TEST(VirtualLoop, CallbacksRunAtTheirDueTimeInOrder) {
    VirtualLoop loop;
    std::vector<std::pair<int, Millis>> ran;
    loop.callAfter(300, [&] { ran.push_back({1, loop.monotonicMs()}); });
    loop.callAfter(100, [&] { ran.push_back({2, loop.monotonicMs()}); });
    loop.callAfter(300, [&] { ran.push_back({3, loop.monotonicMs()}); });
    const auto cancelled = loop.callAfter(200, [&] { ran.push_back({4, loop.monotonicMs()}); });
    loop.cancel(cancelled);
    loop.advance(299);
    EXPECT_EQ(ran.size(), 1u);
    loop.advance(1);
    EXPECT_EQ(ran, (std::vector<std::pair<int, Millis>>{{2, 100}, {1, 300}, {3, 300}}));
}

TEST(VirtualLoop, WallClockMovesWithVirtualTime) {
    VirtualLoop loop(100.0);
    loop.advance(43'200'000);
    EXPECT_DOUBLE_EQ(loop.localNow(), 100.5);
    loop.setLocalNow(200.0);
    loop.advance(21'600'000);
    EXPECT_DOUBLE_EQ(loop.localNow(), 200.25);
}

TEST(Timer, RepeatsWhileEnabledAndRestartsOnNewInterval) {
    VirtualLoop loop;
    std::vector<Millis> ticks;
    Timer timer(loop, 1000, [&] { ticks.push_back(loop.monotonicMs()); });
    loop.advance(5000);
    EXPECT_TRUE(ticks.empty());  // created disabled
    timer.start();
    loop.advance(2500);
    EXPECT_EQ(ticks, (std::vector<Millis>{6000, 7000}));
    timer.setInterval(200);  // counts anew from now
    loop.advance(450);
    EXPECT_EQ(ticks, (std::vector<Millis>{6000, 7000, 7700, 7900}));
    timer.stop();
    loop.advance(10'000);
    EXPECT_EQ(ticks.size(), 4u);
}

TEST(Timer, HandlerMayStopItsOwnTimer) {
    VirtualLoop loop;
    int count = 0;
    Timer timer(loop, 100);
    timer.setHandler([&] {
        ++count;
        timer.stop();
    });
    timer.start();
    loop.advance(1000);
    EXPECT_EQ(count, 1);
}

TEST(Timer, ZeroIntervalNeverFires) {
    VirtualLoop loop;
    int count = 0;
    Timer timer(loop, 0, [&] { ++count; });
    timer.start();
    loop.advance(1000);
    EXPECT_EQ(count, 0);
}

TEST(PollLoop, PostFromAnotherThreadWakesTheLoop) {
    PollLoop loop;
    std::atomic<int> got{0};
    std::thread worker([&] { loop.post([&] { got = 42; }); });
    loop.runUntil([&] { return got.load() == 42; });
    worker.join();
    EXPECT_EQ(got.load(), 42);
}

TEST(PollLoop, TimersFireInRealTime) {
    PollLoop loop;
    const Millis start = loop.monotonicMs();
    bool fired = false;
    loop.callAfter(30, [&] { fired = true; });
    loop.runUntil([&] { return fired; });
    EXPECT_GE(loop.monotonicMs() - start, 30);
}

}  // namespace
}  // namespace skycrier
