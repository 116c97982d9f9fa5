#pragma once
// The sound card through ALSA. A sound thread of its own feeds the queued
// buffers to the PCM and reports each buffer back on the main loop once its
// last frame has been played (not merely handed to ALSA), so the end of a
// sound is the end of what the listener hears.
//
// To leave no gap between the words of a bulletin, close() keeps the PCM
// open for a short while: a sound that follows in the same format reuses it
// instead of opening the device again. Seen from the caller, open, done and
// close behave as for a device that is opened for every sound.
//
// On an output that has no mixer control, each buffer is scaled by the
// catalogue's software volume for it as the buffer begins to play.
//
// Threading: every public function is for the main thread; the sound thread
// only talks back through EventLoop::post.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/alsa_catalogue.h"
#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier {

class AlsaWaveOut : public WaveOut {
public:
    // How long a closed PCM is kept for the next sound.
    static constexpr std::chrono::milliseconds kLinger{3000};

    AlsaWaveOut(EventLoop& loop, AlsaCatalogue& catalogue);
    ~AlsaWaveOut() override;
    AlsaWaveOut(const AlsaWaveOut&) = delete;
    AlsaWaveOut& operator=(const AlsaWaveOut&) = delete;

    bool open(int device, const PcmFormat& format, Events events) override;
    bool prepare(int buffer) override;
    bool unprepare(int buffer) override;
    bool write(int buffer, const std::uint8_t* data, std::size_t size) override;
    bool reset() override;
    bool close() override;

private:
    struct Job {
        int buffer;
        const std::uint8_t* data;
        std::size_t frames;
    };
    struct Stream;

    // Runs the task on the sound thread and waits for its result.
    bool call(const std::function<bool(Stream&)>& task);
    void run();
    void returnBuffer(int buffer);

    AlsaCatalogue& catalogue_;
    // Declared first so that it goes last: the sound thread posts through it until joined.
    TaskScope tasks_;

    // Main thread.
    bool open_ = false;
    bool prepared_[2] = {false, false};
    std::size_t frameBytes_ = 1;
    Events events_;

    // Shared with the sound thread.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable answered_;
    std::deque<Job> toWrite_;
    const std::function<bool(Stream&)>* task_ = nullptr;
    bool taskResult_ = false;
    bool quit_ = false;

    // Sound thread.
    std::unique_ptr<Stream> stream_;
    std::thread thread_;
};

}  // namespace skycrier
