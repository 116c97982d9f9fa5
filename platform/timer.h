#pragma once
// A repeating timer: while enabled it calls its handler every interval
// milliseconds, counted from the moment it was enabled or its interval set.
// An interval of 0 never fires. Loop thread only.

#include <functional>

#include "platform/task_scope.h"

namespace skycrier {

class Timer {
public:
    explicit Timer(EventLoop& loop, Millis interval = 1000, std::function<void()> handler = {});
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

    Millis interval_;
    std::function<void()> handler_;
    bool enabled_ = false;
    EventLoop::TaskId pending_ = 0;
    TaskScope tasks_;
};

}  // namespace skycrier
