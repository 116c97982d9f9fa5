#pragma once
// Virtual time for tests: nothing happens until the test advances the clock,
// and then everything that fell due runs in order, at its own due time.

#include <functional>

#include "platform/event_loop.h"

namespace skycrier {

class VirtualLoop : public EventLoop {
public:
    explicit VirtualLoop(double localStart = 0.0, UtcOffsets zone = {});

    Millis monotonicMs() const override { return now_; }
    double localNow() const override;
    UtcOffsets utcOffsets() const override { return zone_; }

    // Sets the wall clock; the monotonic clock is not affected.
    void setLocalNow(double dateTime);

    // Runs everything due up to now + ms, moving the clock to each due time in turn.
    void advance(Millis ms);
    // Runs posted tasks and callbacks due now, without moving the clock.
    void runPending();
    // Advances until the condition holds or the limit has passed; returns whether it holds.
    bool advanceUntil(const std::function<bool()>& condition, Millis limit);
    // Advances until the condition holds or nothing is left to run; returns whether it holds.
    bool advanceUntil(const std::function<bool()>& condition);
    // Waits in real time, running what other threads post (an answer from the
    // network), until the condition holds or realMs have passed without a
    // post; the virtual clock does not move. Returns whether it holds.
    bool waitForPostsUntil(const std::function<bool()>& condition, Millis realMs);

private:
    Millis now_ = 0;
    double localBase_;
    Millis localBaseMs_ = 0;
    UtcOffsets zone_;
};

}  // namespace skycrier
