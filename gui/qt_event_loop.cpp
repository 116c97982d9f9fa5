#include "gui/qt_event_loop.h"

#include <algorithm>

#include "platform/system_clock.h"

namespace skycrier::gui {

QtEventLoop::QtEventLoop() {
    claimCurrentThread();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &context_, [this] { runDue(); });
}

Millis QtEventLoop::monotonicMs() const { return systemMonotonicMs(); }
double QtEventLoop::localNow() const { return systemLocalNow(); }
UtcOffsets QtEventLoop::utcOffsets() const { return systemUtcOffsets(); }

void QtEventLoop::scheduleChanged() {
    const Millis due = nextDue();
    if (due < 0) {
        timer_.stop();
        return;
    }
    const Millis wait = std::max<Millis>(0, due - monotonicMs());
    if (!timer_.isActive() || timer_.remainingTime() > wait) timer_.start(static_cast<int>(std::min<Millis>(wait, 1 << 30)));
}

void QtEventLoop::wake() {
    // One queued wake-up is enough for any number of posts made before it runs.
    if (wakePending_.exchange(true)) return;
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            wakePending_ = false;
            runPosted();
        },
        Qt::QueuedConnection);
}

void QtEventLoop::runDue() {
    runDueCallbacks(monotonicMs());
    scheduleChanged();
}

}  // namespace skycrier::gui
