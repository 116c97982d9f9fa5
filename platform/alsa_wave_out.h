#pragma once
// The sound card through ALSA, as one continuous stream. Every sound is
// turned into the stream's format (AlsaPcm: 16-bit stereo at 24 000 Hz,
// the vocabulary's rate) as it is written, so a greeting recorded in another
// format joins the words without reopening the device. While a bulletin
// holds the stream, the gaps between sounds are filled with silence; at its
// end the stream is drained, never dropped, before the transmitter is let go.
//
// The stream is kept a buffer (less a period) ahead of the device, with
// silence when no sound waits: a sound server that runs dry stops the stream
// and restarts it only once most of a buffer is there again, which chops
// speech. A buffer is reported played once the device has taken all of it
// but that lead: the engine's next sound then follows it after just the
// silence the bulletin asks for. The device's own position (frames written
// less what it still holds) tells when that is.
//
// The sound thread waits on the device while it has frames to write, and
// otherwise until the stream's position says the next event is due. An
// underrun or a suspend is recovered and told once per stream; a device that
// takes no frame for kStallLimit is given up: the sound's buffers come back,
// and the stream refuses to open again until the bulletin ends.
//
// On an output that has no mixer control, the samples are scaled by the
// catalogue's software volume for it as they are written.
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
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/alsa_catalogue.h"
#include "platform/pcm_converter.h"
#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier {

class AlsaPcm;

class AlsaWaveOut : public WaveOut {
public:
    static constexpr std::chrono::milliseconds kStallLimit{3000};

    AlsaWaveOut(EventLoop& loop, AlsaCatalogue& catalogue);
    ~AlsaWaveOut() override;
    AlsaWaveOut(const AlsaWaveOut&) = delete;
    AlsaWaveOut& operator=(const AlsaWaveOut&) = delete;

    bool open(const OutputDevice& device, const PcmFormat& format, Events events) override;
    std::string openFailure() const override { return openFailure_; }
    bool prepare(int buffer) override;
    bool unprepare(int buffer) override;
    bool write(int buffer, const std::uint8_t* data, std::size_t size) override;
    bool reset() override;
    bool close() override;

    void holdStream() override;
    void drainStream(std::function<void()> drained) override;
    void dropStream() override;

private:
    // Frames for the stream; buffer -1 is sound that no one waits for.
    struct Piece {
        int buffer;
        std::vector<std::int16_t> frames;
        std::function<void(int)> done;
    };
    struct Stream;

    // Runs the task on the sound thread and waits for its result.
    bool call(const std::function<bool(Stream&)>& task);
    void run();
    void wake();
    void setInUse(bool inUse);
    void queue(Piece piece);
    // Mono samples of the sound, as stream frames at the output's volume.
    std::vector<std::int16_t> streamFrames(const std::vector<std::int16_t>& mono) const;

    AlsaCatalogue& catalogue_;
    // Declared first so that it goes last: the sound thread posts through it until joined.
    TaskScope tasks_;

    // Main thread.
    bool open_ = false;
    std::string openFailure_;
    bool held_ = false;
    bool prepared_[2] = {false, false};
    int outstanding_ = 0;
    Events events_;
    std::optional<PcmConverter> converter_;
    const SoftwareVolume* volume_ = nullptr;

    // Shared with the sound thread.
    std::mutex mutex_;
    std::condition_variable answered_;
    int wakeFd_ = -1;
    std::deque<Piece> incoming_;
    // The stream is wanted: a sound is open or a bulletin holds it.
    bool inUse_ = false;
    // A sound is open: its last samples may still come.
    bool soundOpen_ = false;
    bool dropWanted_ = false;
    bool closeWanted_ = false;
    std::vector<std::function<void()>> drainedWaiting_;
    const std::function<bool(Stream&)>* task_ = nullptr;
    bool taskResult_ = false;
    bool quit_ = false;

    // Sound thread.
    std::unique_ptr<Stream> stream_;
    std::thread thread_;
};

}  // namespace skycrier
