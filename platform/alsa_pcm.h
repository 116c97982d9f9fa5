#pragma once
// One ALSA playback PCM in the sound stream's format (16-bit stereo at
// 24 000 frames per second), set up to suit a sound server as well as a card:
// about 200 ms of buffer in periods of about 20 ms, whatever the device grants
// nearest to that. Writes never block; the caller waits on the device through
// pollDescriptors(). Underruns and suspends are recovered here and counted.
//
// Threading: one thread at a time (the sound thread).

#include <poll.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace skycrier {

class AlsaPcm {
public:
    static constexpr unsigned kRate = 24'000;
    static constexpr unsigned kChannels = 2;
    static constexpr unsigned kBufferMicros = 200'000;
    static constexpr unsigned kPeriodMicros = 20'000;

    // Nothing, with ALSA's reason, when the PCM cannot be opened in the stream's format.
    static std::unique_ptr<AlsaPcm> open(const std::string& name, std::string& error);
    ~AlsaPcm();
    AlsaPcm(const AlsaPcm&) = delete;
    AlsaPcm& operator=(const AlsaPcm&) = delete;

    const std::string& name() const { return name_; }
    std::size_t bufferFrames() const { return buffer_; }
    std::size_t periodFrames() const { return period_; }

    // Frames the device takes now without waiting; nothing after a failure it cannot recover from.
    std::optional<std::size_t> writable();
    // Writes up to count interleaved frames; how many went, or nothing after a lasting failure.
    std::optional<std::size_t> write(const std::int16_t* frames, std::size_t count);
    // Frames written and not heard yet.
    std::size_t unheard();
    // Frames written that the device has not taken yet (what it holds, less
    // what has gone on to a sound server's sink or a card's hardware).
    std::size_t queued();
    // Starts a stream that holds less than the start threshold (its last frames).
    void start();
    // Waits until what was written has been heard.
    void drain();
    // Forgets what was written and is ready to be written again.
    void drop();

    // Descriptors to poll for the device taking frames, and the events that
    // pollRevents() turns into "writable".
    std::vector<pollfd> pollDescriptors();
    bool pollSaysWritable(std::vector<pollfd>& fds);

    // Underruns and suspends recovered since the last call.
    int takeRecoveries() { return std::exchange(recoveries_, 0); }

private:
    AlsaPcm(snd_pcm_t* pcm, std::string name) : pcm_(pcm), name_(std::move(name)) {}
    bool setUp(std::string& error);
    // Recovers an underrun or suspend; false when the PCM is lost.
    bool recover(long error);

    snd_pcm_t* pcm_;
    std::string name_;
    std::size_t buffer_ = 0;
    std::size_t period_ = 0;
    int recoveries_ = 0;
};

}  // namespace skycrier
