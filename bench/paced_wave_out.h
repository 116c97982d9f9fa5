#pragma once
// A sound card stand-in for measuring: a thread of its own holds each buffer
// for its playing time against a steady clock and then reports it done
// through EventLoop::post, as the ALSA output does. Buffers follow each
// other without a gap, like frames in a device's ring buffer.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/pcm_format.h"
#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier::bench {

class PacedWaveOut : public WaveOut {
public:
    explicit PacedWaveOut(EventLoop& loop) : tasks_(loop), thread_([this] { run(); }) {}
    ~PacedWaveOut() override {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

    bool open(const OutputDevice&, const PcmFormat& format, Events events) override {
        if (open_ || !isPlayablePcm(format)) return false;
        open_ = true;
        events_ = std::move(events);
        std::lock_guard lock(mutex_);
        rate_ = format.samplesPerSecond;
        frameBytes_ = format.blockAlign;
        tasks_.post([this] {
            if (events_.opened) events_.opened();
        });
        return true;
    }
    bool prepare(int) override { return open_; }
    bool unprepare(int) override { return open_; }
    bool write(int buffer, const std::uint8_t*, std::size_t size) override {
        if (!open_) return false;
        {
            std::lock_guard lock(mutex_);
            queue_.push_back({buffer, size / frameBytes_});
        }
        wake_.notify_all();
        return true;
    }
    bool reset() override {
        if (!open_) return false;
        std::lock_guard lock(mutex_);
        for (const Job& job : queue_) returnBuffer(job.buffer);
        queue_.clear();
        wake_.notify_all();
        return true;
    }
    bool close() override {
        if (!open_) return false;
        open_ = false;
        return true;
    }

private:
    using Clock = std::chrono::steady_clock;
    struct Job {
        int buffer;
        std::size_t frames;
    };

    void returnBuffer(int buffer) {
        tasks_.post([this, buffer] {
            if (events_.done) events_.done(buffer);
        });
    }

    void run() {
        std::unique_lock lock(mutex_);
        Clock::time_point start;
        std::uint64_t frames = 0;
        bool idle = true;
        while (!quit_) {
            if (queue_.empty()) {
                idle = true;
                wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
                continue;
            }
            if (idle) {
                start = Clock::now();
                frames = 0;
                idle = false;
            }
            const Job job = queue_.front();
            const std::uint64_t end = frames + job.frames;
            const auto due = start + std::chrono::microseconds(end * 1'000'000 / rate_);
            // A reset empties the queue and wakes the wait early.
            if (wake_.wait_until(lock, due, [this] { return quit_ || queue_.empty(); })) continue;
            frames = end;
            queue_.pop_front();
            returnBuffer(job.buffer);
        }
    }

    TaskScope tasks_;
    bool open_ = false;
    Events events_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    std::uint32_t rate_ = 24000;
    std::size_t frameBytes_ = 2;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace skycrier::bench
