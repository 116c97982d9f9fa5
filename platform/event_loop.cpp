#include "platform/event_loop.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace skycrier {

void EventLoop::requireLoopThread(const char* what) const {
    if (onLoopThread()) return;
    std::fprintf(stderr, "skycrier: EventLoop::%s called off the loop's thread\n", what);
    std::abort();
}

void EventLoop::post(std::function<void()> task) {
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(std::move(task));
    }
    postedArrived_.notify_all();
    wake();
}

bool EventLoop::runPosted() {
    bool ran = false;
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(postedMutex_);
            if (posted_.empty()) return ran;
            task = std::move(posted_.front());
            posted_.pop_front();
        }
        task();
        ran = true;
    }
}

bool EventLoop::waitForPosted(Millis realMs) {
    std::unique_lock lock(postedMutex_);
    return postedArrived_.wait_for(lock, std::chrono::milliseconds(realMs), [this] { return !posted_.empty(); });
}

EventLoop::TaskId EventLoop::callAfter(Millis delay, std::function<void()> callback) {
    requireLoopThread("callAfter");
    const TaskId id = nextId_++;
    const Millis due = monotonicMs() + (delay > 0 ? delay : 0);
    scheduled_.emplace(Key{due, id}, std::move(callback));
    dueById_.emplace(id, due);
    scheduleChanged();
    return id;
}

void EventLoop::cancel(TaskId id) {
    requireLoopThread("cancel");
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

}  // namespace skycrier
