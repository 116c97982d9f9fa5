#pragma once
// The command-line program's main loop: real time, one thread, poll() on an
// eventfd that post() signals from other threads.

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/event_loop.h"

namespace skycrier {

class PollLoop : public EventLoop {
public:
    PollLoop();
    ~PollLoop() override;

    Millis monotonicMs() const override;
    double localNow() const override;
    int utcOffsetMinutes() const override;
    void post(std::function<void()> task) override;

    // Runs until quit() is called.
    void run();
    // Runs until the condition holds (checked after every task) or quit() is called.
    void runUntil(const std::function<bool()>& condition);
    void quit();

private:
    bool runPosted();
    void wake();

    int wakeFd_ = -1;
    std::atomic<bool> quit_{false};
    std::mutex postedMutex_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace skycrier
