#pragma once
// The command-line program's main loop: real time, one thread, poll() on an
// eventfd that post() signals from other threads, and on any file descriptor
// a part of the program asks to be told about.

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/event_loop.h"

namespace skycrier {

class PollLoop : public EventLoop {
public:
    // Nothing, and the reason, when the loop cannot be had (no eventfd: post()
    // could never wake it).
    static std::unique_ptr<PollLoop> create(std::string& error);
    ~PollLoop() override;

    Millis monotonicMs() const override;
    double localNow() const override;
    UtcOffsets utcOffsets() const override;

    // Calls the handler on the loop whenever the descriptor is readable, until
    // unwatched. The descriptor stays the caller's.
    void watchReadable(int fd, std::function<void()> handler);
    void unwatch(int fd);

    // Runs until quit() is called.
    void run();
    // Runs until the condition holds (checked after every task) or quit() is called.
    void runUntil(const std::function<bool()>& condition);
    void quit();

private:
    explicit PollLoop(int wakeFd);
    void wake() override;

    int wakeFd_;
    std::atomic<bool> quit_{false};
    std::map<int, std::function<void()>> watched_;
};

}  // namespace skycrier
