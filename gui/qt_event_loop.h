#pragma once
// The desktop program's main loop: the engine's callbacks run inside Qt's
// own event loop, so windows, timers and posted work share one thread.
//
// Threading: post() from any thread; everything else on the GUI thread.

#include <QObject>
#include <QTimer>
#include <atomic>

#include "platform/event_loop.h"

namespace skycrier::gui {

class QtEventLoop final : public EventLoop {
public:
    QtEventLoop();

    Millis monotonicMs() const override;
    double localNow() const override;
    UtcOffsets utcOffsets() const override;

private:
    void scheduleChanged() override;
    void wake() override;
    // Runs what is due, then arms the timer for the next callback.
    void runDue();

    // Receives the queued wake-ups; queued events die with it.
    QObject context_;
    QTimer timer_;
    std::atomic<bool> wakePending_{false};
};

}  // namespace skycrier::gui
