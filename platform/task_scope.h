#pragma once
// The work one object has on the event loop. Every object that posts or
// schedules callbacks owns a TaskScope and goes through it instead of
// capturing a raw `this` into the loop: when the object is destroyed, its
// scheduled callbacks are cancelled and its posted tasks still on their way
// are dropped, so nothing ever runs on freed memory.
//
// Threading: post() may be called from any thread while the scope lives (an
// object with a thread of its own stops that thread before its scope goes),
// but not while the loop thread clear()s it; everything else, the functions
// made by guard() included, is for the loop's thread.

#include <functional>
#include <memory>
#include <set>
#include <utility>

#include "platform/event_loop.h"

namespace skycrier {

class TaskScope {
public:
    explicit TaskScope(EventLoop& loop);
    ~TaskScope();
    TaskScope(const TaskScope&) = delete;
    TaskScope& operator=(const TaskScope&) = delete;

    EventLoop& loop() const { return loop_; }

    // Runs the task on the loop unless the scope has ended (or was cleared) by then.
    void post(std::function<void()> task) const;
    // Runs the callback once after delay, unless cancelled or the scope has ended.
    EventLoop::TaskId callAfter(Millis delay, std::function<void()> callback);
    void cancel(EventLoop::TaskId id);
    // Cancels everything scheduled and drops what was posted; the scope stays usable.
    void clear();

    // A function that runs fn while this scope lives and does nothing after;
    // for handing to other objects as a callback.
    template <typename Fn>
    auto guard(Fn fn) const {
        return [life = std::weak_ptr<State>(state_), fn = std::move(fn)](auto&&... args) {
            const auto state = life.lock();
            if (state && state->alive) fn(std::forward<decltype(args)>(args)...);
        };
    }

private:
    void cancelScheduled();

    struct State {
        bool alive = true;
        std::set<EventLoop::TaskId> scheduled;
    };

    EventLoop& loop_;
    std::shared_ptr<State> state_;
};

}  // namespace skycrier
