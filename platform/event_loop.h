#pragma once
// The one main loop everything of the engine runs on, and the only way the
// engine sees time. Three back ends exist: virtual time for tests, a poll()
// loop for the command-line program and a Qt loop for the desktop program.
//
// Threading: post() may be called from any thread; everything else, and every
// callback, runs on the loop's own thread (the thread that created the loop or
// last ran it). Scheduling from another thread is a programming error that
// would corrupt the schedule, so it stops the program with a message.
//
// Objects do not schedule on the loop directly: they own a TaskScope
// (task_scope.h), which cancels their work when they go.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/utc_offsets.h"

namespace skycrier {

using Millis = std::int64_t;

class EventLoop {
public:
    using TaskId = std::uint64_t;

    EventLoop() = default;
    virtual ~EventLoop() = default;
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // Milliseconds of a clock that never jumps.
    virtual Millis monotonicMs() const = 0;
    // The local wall clock as a date-time double (days since 30 December 1899).
    virtual double localNow() const = 0;
    // The time zone the local clock keeps, at any moment.
    virtual UtcOffsets utcOffsets() const = 0;

    // Runs the task on the loop thread as soon as the loop gets to it; safe from any thread.
    void post(std::function<void()> task);

    // Runs the callback once, delay milliseconds from now (loop thread only).
    TaskId callAfter(Millis delay, std::function<void()> callback);
    // Forgets a callback that has not run yet; unknown ids are ignored (loop thread only).
    void cancel(TaskId id);

    bool onLoopThread() const { return std::this_thread::get_id() == thread_; }

protected:
    // The calling thread becomes the loop's thread (a back end calls this when it starts running).
    void claimCurrentThread() { thread_ = std::this_thread::get_id(); }
    // Runs every posted task, those posted meanwhile included; returns whether any ran.
    bool runPosted();
    // Blocks until a task is posted or the real time has passed; returns whether one is waiting.
    bool waitForPosted(Millis realMs);
    // Runs, in order of due time then of scheduling, every callback due at or before now.
    // Returns whether anything ran.
    bool runDueCallbacks(Millis now);
    // Due time of the earliest scheduled callback, or -1 when none is scheduled.
    Millis nextDue() const;
    // Lets the back end wake up when a new callback may be due earlier than it planned.
    virtual void scheduleChanged() {}
    // A task was posted, perhaps from another thread: the back end must come round to it.
    virtual void wake() {}

private:
    void requireLoopThread(const char* what) const;

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
    std::thread::id thread_ = std::this_thread::get_id();

    std::mutex postedMutex_;
    std::condition_variable postedArrived_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace skycrier
