#pragma once
// The one main loop everything of the engine runs on, and the only way the
// engine sees time. Three back ends exist: virtual time for tests, a poll()
// loop for the command-line program and a Qt loop for the desktop program.
//
// Threading: post() may be called from any thread; everything else, and every
// callback, runs on the loop's own thread.

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace skycrier {

using Millis = std::int64_t;

class EventLoop {
public:
    using TaskId = std::uint64_t;

    virtual ~EventLoop() = default;

    // Milliseconds of a clock that never jumps.
    virtual Millis monotonicMs() const = 0;
    // The local wall clock as a date-time double (days since 30 December 1899).
    virtual double localNow() const = 0;
    // Minutes east of UTC in force now.
    virtual int utcOffsetMinutes() const = 0;

    // Runs the task on the loop thread as soon as the loop gets to it; safe from any thread.
    virtual void post(std::function<void()> task) = 0;

    // Runs the callback once, delay milliseconds from now (main thread only).
    TaskId callAfter(Millis delay, std::function<void()> callback);
    // Forgets a callback that has not run yet; unknown ids are ignored.
    void cancel(TaskId id);

protected:
    // Runs, in order of due time then of scheduling, every callback due at or before now.
    // Returns whether anything ran.
    bool runDueCallbacks(Millis now);
    // Due time of the earliest scheduled callback, or -1 when none is scheduled.
    Millis nextDue() const;
    // Lets the back end wake up when a new callback may be due earlier than it planned.
    virtual void scheduleChanged() {}

private:
    struct Key {
        Millis due;
        TaskId id;
        bool operator<(const Key& other) const {
            return due != other.due ? due < other.due : id < other.id;
        }
    };
    std::map<Key, std::function<void()>> scheduled_;
    std::map<TaskId, Millis> dueById_;
    TaskId nextId_ = 1;
};

// A repeating timer: while enabled it calls its handler every interval
// milliseconds, counted from the moment it was enabled or its interval set.
// An interval of 0 never fires.
class Timer {
public:
    explicit Timer(EventLoop& loop, Millis interval = 1000, std::function<void()> handler = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    void setInterval(Millis interval);
    Millis interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

private:
    void arm();
    void fire();

    EventLoop& loop_;
    Millis interval_;
    std::function<void()> handler_;
    bool enabled_ = false;
    EventLoop::TaskId pending_ = 0;
};

}  // namespace skycrier
