#include "platform/virtual_loop.h"

#include <utility>

namespace skycrier {

VirtualLoop::VirtualLoop(double localStart, UtcOffsets zone) : localBase_(localStart), zone_(std::move(zone)) {}

double VirtualLoop::localNow() const {
    return localBase_ + static_cast<double>(now_ - localBaseMs_) / 86'400'000.0;
}

void VirtualLoop::setLocalNow(double dateTime) {
    localBase_ = dateTime;
    localBaseMs_ = now_;
}

void VirtualLoop::runPending() {
    claimCurrentThread();
    while (runPosted() || runDueCallbacks(now_)) {
    }
}

void VirtualLoop::advance(Millis ms) {
    const Millis target = now_ + (ms > 0 ? ms : 0);
    runPending();
    for (;;) {
        const Millis due = nextDue();
        if (due < 0 || due > target) break;
        if (due > now_) now_ = due;
        runPending();
    }
    now_ = target;
    runPending();
}

bool VirtualLoop::advanceUntil(const std::function<bool()>& condition, Millis limit) {
    const Millis end = now_ + limit;
    runPending();
    while (!condition()) {
        const Millis due = nextDue();
        if (due < 0 || due > end) {
            if (end > now_) now_ = end;
            return condition();
        }
        if (due > now_) now_ = due;
        runPending();
    }
    return true;
}

bool VirtualLoop::advanceUntil(const std::function<bool()>& condition) {
    runPending();
    while (!condition()) {
        const Millis due = nextDue();
        if (due < 0) return false;
        if (due > now_) now_ = due;
        runPending();
    }
    return true;
}

bool VirtualLoop::waitForPostsUntil(const std::function<bool()>& condition, Millis realMs) {
    runPending();
    while (!condition()) {
        if (!waitForPosted(realMs)) return condition();
        runPending();
    }
    return true;
}

}  // namespace skycrier
