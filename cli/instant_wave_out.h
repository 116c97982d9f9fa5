#pragma once
// A sound output that plays every buffer in no time: for simulations where
// only when bulletins start and how long they hold the channel matter, not
// how long their words last.

#include <cstdint>

#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier::cli {

class InstantWaveOut : public WaveOut {
public:
    explicit InstantWaveOut(EventLoop& loop) : tasks_(loop) {}

    bool open(const OutputDevice&, const PcmFormat&, Events events) override {
        if (open_) return false;
        open_ = true;
        events_ = std::move(events);
        tasks_.post([opened = events_.opened] {
            if (opened) opened();
        });
        return true;
    }
    bool prepare(int) override { return open_; }
    bool unprepare(int) override { return open_; }
    // The buffer is back at once, to the opening it was written for.
    bool write(int buffer, const std::uint8_t*, std::size_t) override {
        if (!open_) return false;
        tasks_.post([done = events_.done, buffer] {
            if (done) done(buffer);
        });
        return true;
    }
    // Every buffer is already on its way back.
    bool reset() override { return open_; }
    bool close() override {
        if (!open_) return false;
        open_ = false;
        return true;
    }

private:
    bool open_ = false;
    Events events_;
    TaskScope tasks_;
};

}  // namespace skycrier::cli
