#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/poll_loop.h"
#include "platform/signal.h"
#include "platform/task_scope.h"
#include "platform/timer.h"
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

TEST(Timer, HandlerMayStopItsOwnTimerAndZeroNeverFires) {
    VirtualLoop loop;
    int count = 0;
    Timer timer(loop, 100);
    timer.setHandler([&] {
        ++count;
        timer.stop();
    });
    timer.start();
    Timer never(loop, 0, [&] { count += 100; });
    never.start();
    loop.advance(1000);
    EXPECT_EQ(count, 1);
}

// What an object scheduled or posted through its scope never runs once the
// object is gone; the loop runs on cleanly (AddressSanitizer checks the memory).
TEST(TaskScope, WorkOfADestroyedOwnerNeverRuns) {
    VirtualLoop loop;
    struct Owner {
        explicit Owner(EventLoop& l) : tasks(l) {}
        int runs = 0;
        TaskScope tasks;
    };
    auto owner = std::make_unique<Owner>(loop);
    // Counted outside the owner too, so what ran after it went is seen, not only what it touched.
    int runs = 0;
    const auto work = [&runs, o = owner.get()] {
        ++o->runs;
        ++runs;
    };
    owner->tasks.callAfter(100, work);
    owner->tasks.post(work);
    std::thread([&] { owner->tasks.post(work); }).join();
    const auto guarded = owner->tasks.guard([&runs, o = owner.get()](int n) {
        o->runs += n;
        runs += n;
    });
    guarded(10);
    EXPECT_EQ(runs, 10);
    owner.reset();
    loop.advance(1000);
    guarded(10);
    EXPECT_EQ(runs, 10);
}

TEST(TaskScope, ClearDropsPendingWorkAndKeepsTheScopeUsable) {
    VirtualLoop loop;
    TaskScope tasks(loop);
    std::vector<int> ran;
    tasks.callAfter(10, [&] { ran.push_back(1); });
    tasks.post([&] { ran.push_back(2); });
    const auto cancelled = tasks.callAfter(10, [&] { ran.push_back(3); });
    tasks.cancel(cancelled);
    tasks.clear();
    tasks.callAfter(10, [&] { ran.push_back(4); });
    loop.advance(100);
    EXPECT_EQ(ran, std::vector<int>{4});
}

TEST(EventLoopDeathTest, SchedulingOffTheLoopThreadStopsWithAMessage) {
    VirtualLoop loop;
    EXPECT_DEATH(std::thread([&] { loop.callAfter(1, [] {}); }).join(), "callAfter called off the loop's thread");
    EXPECT_DEATH(std::thread([&] { loop.cancel(1); }).join(), "cancel called off the loop's thread");
}

TEST(Signal, EveryListenerHearsUntilItsSubscriptionEnds) {
    Signal<int> signal;
    std::vector<std::string> heard;
    Subscription a = signal.connect([&](int n) { heard.push_back("a" + std::to_string(n)); });
    Subscription c;
    Subscription b = signal.connect([&](int n) {
        heard.push_back("b" + std::to_string(n));
        if (n != 1) return;
        a.reset();  // a listener may end another's subscription mid-delivery...
        // ...and connect one, which hears from the next delivery on
        c = signal.connect([&](int m) { heard.push_back("c" + std::to_string(m)); });
    });
    signal.emit(1);
    signal.emit(2);
    EXPECT_EQ(heard, (std::vector<std::string>{"a1", "b1", "b2", "c2"}));
    {
        Subscription gone = signal.connect([&](int) { heard.push_back("gone"); });
    }
    b.reset();
    c.reset();
    signal.emit(3);
    EXPECT_EQ(heard.size(), 4u);
    EXPECT_FALSE(signal.hasListeners());
}

TEST(Signal, ASubscriptionMayOutliveItsSignal) {
    const auto listenerState = std::make_shared<int>(0);
    Subscription kept;
    {
        Signal<> signal;
        kept = signal.connect([listenerState] { ++*listenerState; });
        EXPECT_EQ(listenerState.use_count(), 2);
    }
    // The listener went with its signal; ending the subscription afterwards touches nothing.
    EXPECT_EQ(listenerState.use_count(), 1);
    kept.reset();
    EXPECT_EQ(*listenerState, 0);
}

// The poll loop must wake for a task posted from another thread; should it
// not, the deadline ends the wait and the test fails instead of hanging.
TEST(PollLoop, PostFromAnotherThreadWakesTheLoop) {
    std::string error;
    const auto loop = PollLoop::create(error);
    ASSERT_TRUE(loop) << error;
    std::atomic<int> got{0};
    loop->callAfter(5000, [&] { loop->quit(); });
    std::thread worker([&] { loop->post([&] { got = 42; }); });
    loop->runUntil([&] { return got.load() == 42; });
    worker.join();
    EXPECT_EQ(got.load(), 42);
}

TEST(PollLoop, TimersFireInRealTime) {
    std::string error;
    const auto loop = PollLoop::create(error);
    ASSERT_TRUE(loop) << error;
    const Millis start = loop->monotonicMs();
    bool fired = false;
    loop->callAfter(30, [&] { fired = true; });
    loop->runUntil([&] { return fired; });
    EXPECT_GE(loop->monotonicMs() - start, 30);
}

TEST(PollLoop, WithoutAWakeUpDescriptorThereIsNoLoop) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    std::string error;
    const auto loop = PollLoop::create(error);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_FALSE(loop);
    EXPECT_EQ(error, "cannot create the event loop's wake-up descriptor: Too many open files");
}

}  // namespace
}  // namespace skycrier
