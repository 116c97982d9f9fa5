#pragma once
// The wave playback engine: plays one WAVE sound at a time, from the
// vocabulary or from a file, on a sound output. The whole sample data is read
// into one block and streamed through two alternating transfer buffers; the
// output's open and done events drive the engine on the main loop, and the
// end of each sound runs the next-step hook. Every opening of the output is
// numbered, and events of an earlier opening (buffers handed back after an
// abort) are dropped, so one sound ends once. Main thread only.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "announce/play_errors.h"
#include "announce/sound_player.h"
#include "announce/status_board.h"
#include "announce/vocabulary.h"
#include "announce/wave_reader.h"
#include "platform/task_scope.h"
#include "platform/wave_out.h"

namespace skycrier {

class PlaybackEngine : public SoundPlayer {
public:
    static constexpr std::size_t kTransferBufferSize = 88'200;
    static constexpr std::size_t kInitialBlockSize = 100'000;
    // Pause between closing the output and the next step.
    static constexpr Millis kCloseWaitMs = 5;
    // How far past its own length a sound may run before it counts as stalled.
    static constexpr Millis kStallMarginMs = 5'000;

    struct Parts {
        EventLoop& loop;
        WaveOut& out;
        const Vocabulary& vocabulary;
        StatusBoard& status;
    };

    explicit PlaybackEngine(const Parts& parts);
    // An output still playing is stopped first: it holds the engine's buffers.
    ~PlaybackEngine() override;
    PlaybackEngine(const PlaybackEngine&) = delete;
    PlaybackEngine& operator=(const PlaybackEngine&) = delete;

    // Start-up allocation of the transfer buffers and the sample block; on
    // failure the reason is in statusText and the program must not go on.
    bool allocateBuffers();

    void playResource(const std::string& name) override;
    void playFile(const std::string& path) override;
    bool playing() const override { return playing_; }
    bool stalled() const override;
    void holdOutput() override { parts_.out.holdStream(); }
    void drainOutput(std::function<void()> then) override { parts_.out.drainStream(std::move(then)); }
    bool stopOutput() override;
    void clearState() override;

    bool deviceOpened() const { return deviceOpened_; }

    void setOutputDevice(const OutputDevice& device) { outputDevice_ = device; }
    const OutputDevice& outputDevice() const { return outputDevice_; }
    // Turns a file name as configured into the path to open (relative names
    // are taken from the program folder).
    void setPathResolver(std::function<std::string(const std::string&)> resolve) { resolve_ = std::move(resolve); }
    // Sounds the user's alert; used when there is nothing to play.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Hidden test buttons: the greeting file of the program folder, and the vocabulary's "son0".
    void playGreetingTest();
    void playVocabularyTest();
    // The next-step hook, run when a sound has ended.
    void soundEnded();

private:
    void play(SoundOrigin origin, const std::string& name);
    PlayError load(SoundOrigin origin, const std::string& name, std::string& reason);
    PlayError start();
    // The status shows the error's short text; a reason, when there is one, goes to the operator's log beside it.
    void fail(PlayError error, SoundOrigin origin, const std::string& reason = {});
    std::size_t fill(int buffer);
    bool queue(int buffer, std::size_t size);
    void onOpened(std::uint64_t opening);
    void onDone(std::uint64_t opening, int buffer);
    void endSound();

    Parts parts_;
    std::function<std::string(const std::string&)> resolve_;
    std::function<void()> beep_;
    OutputDevice outputDevice_;

    bool playing_ = false;
    bool deviceOpened_ = false;
    bool allocated_ = false;
    WaveInfo info_;
    std::vector<std::uint8_t> block_;
    std::vector<std::uint8_t> transfer_[2];
    std::size_t readPosition_ = 0;
    int queuedCount_ = 0;
    int doneCount_ = 0;
    Millis startedAt_ = 0;
    Millis soundLengthMs_ = 0;
    // The number of the output's current opening; 0 while it is not ours.
    std::uint64_t opening_ = 0;
    std::uint64_t openings_ = 0;
    TaskScope tasks_;
};

}  // namespace skycrier
