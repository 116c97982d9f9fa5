#include "platform/timer.h"

namespace skycrier {

Timer::Timer(EventLoop& loop, Millis interval, std::function<void()> handler)
    : interval_(interval), handler_(std::move(handler)), tasks_(loop) {}

void Timer::setInterval(Millis interval) {
    interval_ = interval;
    if (enabled_) arm();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) {
        arm();
    } else {
        tasks_.cancel(pending_);
        pending_ = 0;
    }
}

void Timer::arm() {
    tasks_.cancel(pending_);
    pending_ = interval_ > 0 ? tasks_.callAfter(interval_, [this] { fire(); }) : 0;
}

void Timer::fire() {
    pending_ = 0;
    // Re-arm before the handler runs, so a handler that stops or re-times the
    // timer has the last word.
    arm();
    if (handler_) handler_();
}

}  // namespace skycrier
