#include "platform/event_loop.h"

namespace skycrier {

EventLoop::TaskId EventLoop::callAfter(Millis delay, std::function<void()> callback) {
    const TaskId id = nextId_++;
    const Millis due = monotonicMs() + (delay > 0 ? delay : 0);
    scheduled_.emplace(Key{due, id}, std::move(callback));
    dueById_.emplace(id, due);
    scheduleChanged();
    return id;
}

void EventLoop::cancel(TaskId id) {
    const auto found = dueById_.find(id);
    if (found == dueById_.end()) return;
    scheduled_.erase(Key{found->second, id});
    dueById_.erase(found);
}

bool EventLoop::runDueCallbacks(Millis now) {
    bool ran = false;
    while (!scheduled_.empty() && scheduled_.begin()->first.due <= now) {
        auto node = scheduled_.extract(scheduled_.begin());
        dueById_.erase(node.key().id);
        node.mapped()();
        ran = true;
    }
    return ran;
}

Millis EventLoop::nextDue() const {
    return scheduled_.empty() ? -1 : scheduled_.begin()->first.due;
}

Timer::Timer(EventLoop& loop, Millis interval, std::function<void()> handler)
    : loop_(loop), interval_(interval), handler_(std::move(handler)) {}

Timer::~Timer() { loop_.cancel(pending_); }

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
        loop_.cancel(pending_);
        pending_ = 0;
    }
}

void Timer::arm() {
    loop_.cancel(pending_);
    pending_ = interval_ > 0 ? loop_.callAfter(interval_, [this] { fire(); }) : 0;
}

void Timer::fire() {
    pending_ = 0;
    // Re-arm before the handler runs, so a handler that stops or re-times the
    // timer has the last word.
    arm();
    if (handler_) handler_();
}

}  // namespace skycrier
