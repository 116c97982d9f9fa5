#pragma once
// A sound output without a sound card: each buffer is "played" for its own
// duration on the event loop, so on a virtual loop a bulletin runs in virtual
// time exactly as long as on a real device. Plays one buffer after another,
// like a device; no file is written (see WaveFileSink for that).

#include <cstdint>
#include <deque>

#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier {

class TimedWaveOut : public WaveOut {
public:
    explicit TimedWaveOut(EventLoop& loop) : tasks_(loop) {}

    bool open(const OutputDevice& device, const PcmFormat& format, Events events) override;
    bool prepare(int buffer) override;
    bool unprepare(int buffer) override;
    bool write(int buffer, const std::uint8_t* data, std::size_t size) override;
    bool reset() override;
    bool close() override;

protected:
    // Hooks for outputs that keep what was played.
    virtual void opened(const PcmFormat&) {}
    virtual void played(const std::uint8_t* /*data*/, std::size_t /*size*/) {}
    virtual void closed() {}

private:
    struct Queued {
        int buffer;
        EventLoop::TaskId task;
    };

    void finished(int buffer, const std::uint8_t* data, std::size_t size);

    bool open_ = false;
    bool prepared_[2] = {false, false};
    PcmFormat format_;
    Events events_;
    std::deque<Queued> queued_;
    // Playing time is counted from the first buffer after the output fell idle,
    // so rounding to milliseconds never adds up over a long sound.
    Millis streamStart_ = 0;
    std::uint64_t streamFrames_ = 0;
    TaskScope tasks_;
};

}  // namespace skycrier
