#include "platform/timed_wave_out.h"

#include "platform/pcm_format.h"

namespace skycrier {

bool TimedWaveOut::open(const OutputDevice&, const PcmFormat& format, Events events) {
    if (open_ || !isPlayablePcm(format)) return false;
    open_ = true;
    format_ = format;
    events_ = std::move(events);
    prepared_[0] = prepared_[1] = false;
    opened(format);
    tasks_.post([this] {
        if (events_.opened) events_.opened();
    });
    return true;
}

bool TimedWaveOut::prepare(int buffer) {
    if (!open_ || buffer < 0 || buffer > 1) return false;
    prepared_[buffer] = true;
    return true;
}

bool TimedWaveOut::unprepare(int buffer) {
    if (!open_ || buffer < 0 || buffer > 1) return false;
    prepared_[buffer] = false;
    return true;
}

bool TimedWaveOut::write(int buffer, const std::uint8_t* data, std::size_t size) {
    if (!open_ || buffer < 0 || buffer > 1 || !prepared_[buffer]) return false;
    const Millis now = tasks_.loop().monotonicMs();
    if (queued_.empty()) {
        streamStart_ = now;
        streamFrames_ = 0;
    }
    streamFrames_ += size / format_.blockAlign;
    const std::uint64_t rate = format_.samplesPerSecond;
    const Millis end = streamStart_ + static_cast<Millis>((streamFrames_ * 1000 + rate - 1) / rate);
    const EventLoop::TaskId task = tasks_.callAfter(end - now, [this, buffer, data, size] { finished(buffer, data, size); });
    queued_.push_back({buffer, task});
    return true;
}

void TimedWaveOut::finished(int buffer, const std::uint8_t* data, std::size_t size) {
    queued_.pop_front();
    played(data, size);
    if (events_.done) events_.done(buffer);
}

bool TimedWaveOut::reset() {
    if (!open_) return false;
    for (const Queued& q : queued_) {
        tasks_.cancel(q.task);
        tasks_.post([this, buffer = q.buffer] {
            if (events_.done) events_.done(buffer);
        });
    }
    queued_.clear();
    return true;
}

bool TimedWaveOut::close() {
    if (!open_ || !queued_.empty()) return false;
    open_ = false;
    closed();
    return true;
}

}  // namespace skycrier
