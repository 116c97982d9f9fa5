#include "platform/task_scope.h"

namespace skycrier {

TaskScope::TaskScope(EventLoop& loop) : loop_(loop), state_(std::make_shared<State>()) {}

TaskScope::~TaskScope() {
    cancelScheduled();
    state_->alive = false;
}

void TaskScope::post(std::function<void()> task) const {
    // `alive` is only written and read on the loop thread; the posting thread
    // only copies the pointer.
    loop_.post([state = state_, task = std::move(task)] {
        if (state->alive) task();
    });
}

EventLoop::TaskId TaskScope::callAfter(Millis delay, std::function<void()> callback) {
    auto id = std::make_shared<EventLoop::TaskId>(0);
    *id = loop_.callAfter(delay, [state = state_, id, callback = std::move(callback)] {
        state->scheduled.erase(*id);
        callback();
    });
    state_->scheduled.insert(*id);
    return *id;
}

void TaskScope::cancel(EventLoop::TaskId id) {
    if (state_->scheduled.erase(id) > 0) loop_.cancel(id);
}

void TaskScope::clear() {
    cancelScheduled();
    state_->alive = false;
    state_ = std::make_shared<State>();
}

void TaskScope::cancelScheduled() {
    for (const EventLoop::TaskId id : state_->scheduled) loop_.cancel(id);
    state_->scheduled.clear();
}

}  // namespace skycrier
