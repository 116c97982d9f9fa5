#include "platform/alsa_wave_out.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "platform/alsa_pcm.h"
#include "platform/pcm_format.h"
#include "platform/software_volume.h"

namespace skycrier {
namespace {

using Clock = std::chrono::steady_clock;

// A sound is reported played this much before its end reaches the lead, so
// that the step to the next sound (the engine's close wait, reading the next
// clip) is taken while it is still playing; the wait counts from the end.
constexpr std::uint64_t kEarlyFrames = 15 * AlsaPcm::kRate / 1000;
// Longest sleep while silence is fed or a position is awaited.
constexpr int kLongestNapMs = 10;

int framesToMs(std::uint64_t frames) { return static_cast<int>(frames * 1000 / AlsaPcm::kRate); }

}  // namespace

// The sound thread's side: the PCM and the frames on their way through it.
struct AlsaWaveOut::Stream {
    struct InFlight {
        int buffer;
        std::function<void(int)> done;
        // The stream position just past the piece's last frame.
        std::uint64_t end;
    };
    // What the thread should do next: wait this long, on the device or not.
    struct Turn {
        int timeoutMs = -1;
        bool onDevice = false;
    };

    explicit Stream(const TaskScope& scope) : tasks(scope) {}

    // False with the reason in failure.
    bool openPcm(const std::string& name, std::function<void(const std::string&)> report, std::string& failure);
    Turn pump(bool inUse, bool soundOpen);
    void writeSound(bool& blocked);
    void feedSilence(std::size_t queued);
    void reportTaken(std::uint64_t taken);
    // How far ahead of the device the stream is kept: a whole buffer but a
    // period. A sound server stops a stream that runs dry and starts it
    // again only once most of a buffer is there, so it must never run dry.
    std::uint64_t lead() const { return pcm->bufferFrames() - pcm->periodFrames(); }
    void watchProgress(std::size_t unheard, bool expecting);
    void tell(const std::string& text) const;
    // Hands every buffer back unplayed.
    void returnAll();
    void giveUp(const std::string& why);

    const TaskScope& tasks;
    std::unique_ptr<AlsaPcm> pcm;
    std::function<void(const std::string&)> trouble;
    // The device stopped taking frames during this bulletin.
    bool broken = false;
    bool underrunTold = false;
    std::deque<Piece> pieces;
    std::size_t frontWritten = 0;
    std::deque<InFlight> inFlight;
    std::uint64_t written = 0;
    // Silence fed since the last sound ended, never more than time has passed.
    std::uint64_t silence = 0;
    Clock::time_point silenceSince;
    std::uint64_t seenWritten = 0;
    std::size_t seenUnheard = 0;
    Clock::time_point lastProgress;
};

bool AlsaWaveOut::Stream::openPcm(const std::string& name, std::function<void(const std::string&)> report,
                                  std::string& failure) {
    trouble = std::move(report);
    if (pcm && pcm->name() == name) return true;
    pcm.reset();
    std::string error;
    pcm = AlsaPcm::open(name, error);
    if (!pcm) {
        failure = "Sound output \"" + name + "\" cannot be opened: " + error +
                  ". Choose another output (skycrier-cli devices lists them).";
        return false;
    }
    written = silence = seenWritten = 0;
    seenUnheard = 0;
    silenceSince = lastProgress = Clock::now();
    underrunTold = false;
    // The stream starts a lead ahead, as it goes on.
    const std::vector<std::int16_t> zeros(lead() * AlsaPcm::kChannels, 0);
    const auto wrote = pcm->write(zeros.data(), lead());
    if (!wrote) {
        pcm.reset();
        failure = "Sound output \"" + name + "\" takes no sound. Choose another output (skycrier-cli devices lists them).";
        return false;
    }
    written = *wrote;
    return true;
}

void AlsaWaveOut::Stream::tell(const std::string& text) const {
    if (trouble) tasks.post([report = trouble, text] { report(text); });
}

void AlsaWaveOut::Stream::returnAll() {
    for (InFlight& f : inFlight)
        if (f.done) tasks.post([done = std::move(f.done), buffer = f.buffer] { done(buffer); });
    inFlight.clear();
    for (Piece& p : pieces)
        if (p.done) tasks.post([done = std::move(p.done), buffer = p.buffer] { done(buffer); });
    pieces.clear();
    frontWritten = 0;
}

void AlsaWaveOut::Stream::giveUp(const std::string& why) {
    tell("Sound output \"" + (pcm ? pcm->name() : std::string()) + "\" " + why +
         "; the bulletin ends. Check the sound card or sound server.");
    returnAll();
    pcm.reset();
    broken = true;
}

void AlsaWaveOut::Stream::writeSound(bool& blocked) {
    while (!pieces.empty() && pcm) {
        Piece& piece = pieces.front();
        const std::size_t total = piece.frames.size() / AlsaPcm::kChannels;
        if (frontWritten < total) {
            const auto room = pcm->writable();
            if (!room) return giveUp("failed");
            const auto wrote = *room == 0 ? std::optional<std::size_t>(0)
                                          : pcm->write(piece.frames.data() + frontWritten * AlsaPcm::kChannels,
                                                       std::min(total - frontWritten, *room));
            if (!wrote) return giveUp("failed");
            frontWritten += *wrote;
            written += *wrote;
            if (frontWritten < total) {
                blocked = *wrote == 0 || *wrote == *room;
                if (blocked) return;
                continue;
            }
        }
        inFlight.push_back({piece.buffer, std::move(piece.done), written});
        pieces.pop_front();
        frontWritten = 0;
    }
}

// Silence as long as the wait for the next sound has lasted, so that the
// sound follows the last one after just that wait, and never more than the
// lead: the stream stays as far ahead of the device as it was. A device that
// takes frames at once (a file) gets the silence as long as it really was.
void AlsaWaveOut::Stream::feedSilence(std::size_t queued) {
    const auto now = Clock::now();
    if (queued >= lead() || now <= silenceSince) return;
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - silenceSince);
    const std::uint64_t allowed = static_cast<std::uint64_t>(elapsed.count()) * AlsaPcm::kRate / 1'000'000;
    if (allowed <= silence) return;
    const auto room = pcm->writable();
    if (!room) return giveUp("failed");
    const std::size_t count =
        std::min<std::uint64_t>({lead() - queued, allowed - silence, static_cast<std::uint64_t>(*room)});
    if (count == 0) return;
    const std::vector<std::int16_t> zeros(count * AlsaPcm::kChannels, 0);
    const auto wrote = pcm->write(zeros.data(), count);
    if (!wrote) return giveUp("failed");
    written += *wrote;
    silence += *wrote;
}

void AlsaWaveOut::Stream::reportTaken(std::uint64_t taken) {
    while (!inFlight.empty() && inFlight.front().end <= taken + lead() + kEarlyFrames) {
        InFlight& f = inFlight.front();
        const std::uint64_t early = std::min(kEarlyFrames, f.end - std::min(f.end, taken + lead()));
        if (f.done) tasks.post([done = std::move(f.done), buffer = f.buffer] { done(buffer); });
        inFlight.pop_front();
        if (inFlight.empty() && pieces.empty()) {
            // The wait for the next sound starts at the end of this one.
            silence = 0;
            silenceSince = Clock::now() + std::chrono::microseconds(early * 1'000'000 / AlsaPcm::kRate);
        }
    }
}

// A device that neither takes frames nor plays them while sound waits for it has stopped.
void AlsaWaveOut::Stream::watchProgress(std::size_t unheard, bool expecting) {
    const auto now = Clock::now();
    if (written != seenWritten || unheard != seenUnheard || !expecting) {
        seenWritten = written;
        seenUnheard = unheard;
        lastProgress = now;
    } else if (now - lastProgress > kStallLimit) {
        giveUp("stopped taking samples");
    }
}

AlsaWaveOut::Stream::Turn AlsaWaveOut::Stream::pump(bool inUse, bool soundOpen) {
    bool blocked = false;
    writeSound(blocked);
    if (!pcm) return {};
    // An open sound may still have its last samples to come (the converter's
    // last frame comes at its close): silence goes after them, not before.
    if (pieces.empty() && inUse && !soundOpen) feedSilence(pcm->queued());
    if (!pcm) return {};
    if (pieces.empty()) pcm->start();
    if (pcm->takeRecoveries() > 0 && !std::exchange(underrunTold, true))
        tell("Sound output \"" + pcm->name() + "\" ran dry and was restarted; the bulletin goes on.");

    const std::size_t unheard = pcm->unheard();
    const std::uint64_t taken = written - std::min<std::uint64_t>(pcm->queued(), written);
    reportTaken(taken);
    watchProgress(unheard, !pieces.empty() || !inFlight.empty() || !inUse);
    if (!pcm) return {};

    if (!inUse && pieces.empty() && unheard <= pcm->periodFrames()) {
        // What is left is less than a period: the device plays it out before the stream goes.
        pcm->drain();
        returnAll();
        pcm.reset();
        return {};
    }
    int due = kLongestNapMs;
    if (!inFlight.empty()) {
        const std::uint64_t at = inFlight.front().end;
        due = std::min(due, at > taken + lead() + kEarlyFrames ? framesToMs(at - taken - lead() - kEarlyFrames) : 0);
    }
    if (!inUse && unheard > pcm->periodFrames()) due = std::min(due, framesToMs(unheard - pcm->periodFrames()));
    return {std::clamp(due, 1, kLongestNapMs), blocked};
}

AlsaWaveOut::AlsaWaveOut(EventLoop& loop, AlsaCatalogue& catalogue)
    : catalogue_(catalogue),
      tasks_(loop),
      wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      stream_(std::make_unique<Stream>(tasks_)),
      thread_([this] { run(); }) {}

AlsaWaveOut::~AlsaWaveOut() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake();
    thread_.join();
    stream_.reset();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

void AlsaWaveOut::wake() {
    const std::uint64_t one = 1;
    if (wakeFd_ < 0) return;
    [[maybe_unused]] const auto n = ::write(wakeFd_, &one, sizeof one);
}

bool AlsaWaveOut::call(const std::function<bool(Stream&)>& task) {
    std::unique_lock lock(mutex_);
    task_ = &task;
    wake();
    answered_.wait(lock, [this] { return task_ == nullptr; });
    return taskResult_;
}

void AlsaWaveOut::run() {
    Stream& s = *stream_;
    std::vector<pollfd> fds;
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (task_) {
            const auto& task = *task_;
            lock.unlock();
            const bool result = task(s);
            lock.lock();
            taskResult_ = result;
            task_ = nullptr;
            answered_.notify_all();
            continue;
        }
        for (Piece& p : incoming_) s.pieces.push_back(std::move(p));
        incoming_.clear();
        const bool drop = std::exchange(dropWanted_, false);
        const bool letGo = std::exchange(closeWanted_, false);
        const bool inUse = inUse_;
        const bool soundOpen = soundOpen_;
        lock.unlock();

        if (drop && s.pcm) s.pcm->drop();
        if (drop || !s.pcm) s.returnAll();
        if (letGo) s.pcm.reset();
        Stream::Turn turn;
        if (s.pcm) turn = s.pump(inUse, soundOpen);

        lock.lock();
        if (!s.pcm && !inUse_) {
            for (auto& drained : drainedWaiting_) tasks_.post(std::move(drained));
            drainedWaiting_.clear();
        }
        if (!s.pcm) s.broken = s.broken && inUse_;
        if (quit_ || task_ || !incoming_.empty() || dropWanted_ || closeWanted_ || inUse_ != inUse ||
            soundOpen_ != soundOpen)
            continue;
        lock.unlock();

        fds.assign(1, pollfd{wakeFd_, POLLIN, 0});
        if (turn.onDevice && s.pcm) {
            const auto device = s.pcm->pollDescriptors();
            fds.insert(fds.end(), device.begin(), device.end());
        }
        ::poll(fds.data(), fds.size(), s.pcm ? turn.timeoutMs : -1);
        std::uint64_t count = 0;
        [[maybe_unused]] const auto n = ::read(wakeFd_, &count, sizeof count);
        if (fds.size() > 1) {
            std::vector<pollfd> device(fds.begin() + 1, fds.end());
            s.pcm->pollSaysWritable(device);
        }
        lock.lock();
    }
}

std::vector<std::int16_t> AlsaWaveOut::streamFrames(const std::vector<std::int16_t>& mono) const {
    std::vector<std::int16_t> frames;
    frames.reserve(mono.size() * AlsaPcm::kChannels);
    for (const std::int16_t sample : mono) frames.insert(frames.end(), AlsaPcm::kChannels, sample);
    const std::uint32_t word = volume_ ? volume_->word() : kFullVolume;
    if (word != kFullVolume) {
        PcmFormat stereo;
        stereo.channels = AlsaPcm::kChannels;
        stereo.samplesPerSecond = AlsaPcm::kRate;
        stereo.blockAlign = 2 * AlsaPcm::kChannels;
        stereo.averageBytesPerSecond = stereo.samplesPerSecond * stereo.blockAlign;
        applyVolume(reinterpret_cast<std::uint8_t*>(frames.data()), frames.size() * 2, stereo, word);
    }
    return frames;
}

void AlsaWaveOut::queue(Piece piece) {
    {
        std::lock_guard lock(mutex_);
        incoming_.push_back(std::move(piece));
    }
    wake();
}

bool AlsaWaveOut::open(const OutputDevice& device, const PcmFormat& format, Events events) {
    openFailure_.clear();
    if (open_ || !isPlayablePcm(format)) return false;
    const auto name = catalogue_.pcmName(device);
    if (!name) {
        openFailure_ = "There is no sound output number " + std::to_string(device.number) +
                       ". Choose another output (skycrier-cli devices lists them).";
        return false;
    }
    const bool held = held_;
    const auto trouble = events.trouble;
    // Wanted from here on, so that the thread does not let go of a PCM it is about to reuse.
    setInUse(true);
    std::string failure;
    const bool opened = call([&](Stream& s) { return !(s.broken && held) && s.openPcm(*name, trouble, failure); });
    openFailure_ = failure;
    if (!opened) {
        setInUse(held_);
        return false;
    }
    open_ = true;
    setInUse(true);
    prepared_[0] = prepared_[1] = false;
    outstanding_ = 0;
    converter_.emplace(format);
    volume_ = &catalogue_.softwareVolume(*name);
    events_ = std::move(events);
    tasks_.post([this] {
        if (events_.opened) events_.opened();
    });
    return true;
}

bool AlsaWaveOut::prepare(int buffer) {
    if (!open_ || buffer < 0 || buffer > 1) return false;
    prepared_[buffer] = true;
    return true;
}

bool AlsaWaveOut::unprepare(int buffer) {
    if (!open_ || buffer < 0 || buffer > 1) return false;
    prepared_[buffer] = false;
    return true;
}

bool AlsaWaveOut::write(int buffer, const std::uint8_t* data, std::size_t size) {
    if (!open_ || buffer < 0 || buffer > 1 || !prepared_[buffer]) return false;
    std::vector<std::int16_t> mono;
    converter_->feed(data, size, mono);
    ++outstanding_;
    auto done = tasks_.guard([this, done = events_.done](int returned) {
        --outstanding_;
        if (done) done(returned);
    });
    queue({buffer, streamFrames(mono), std::move(done)});
    return true;
}

bool AlsaWaveOut::reset() {
    if (!open_) return false;
    // Buffers still out mean the sound is being cut short; a sound that has
    // come back whole keeps its last frames playing.
    if (outstanding_ > 0) {
        std::lock_guard lock(mutex_);
        dropWanted_ = true;
    }
    wake();
    return true;
}

bool AlsaWaveOut::close() {
    if (!open_) return false;
    std::vector<std::int16_t> last;
    converter_->finish(last);
    if (!last.empty()) queue({-1, streamFrames(last), {}});
    converter_.reset();
    open_ = false;
    setInUse(held_);
    return true;
}

void AlsaWaveOut::setInUse(bool inUse) {
    {
        std::lock_guard lock(mutex_);
        inUse_ = inUse;
        soundOpen_ = open_;
    }
    wake();
}

void AlsaWaveOut::holdStream() {
    held_ = true;
    setInUse(true);
}

void AlsaWaveOut::drainStream(std::function<void()> drained) {
    held_ = false;
    {
        std::lock_guard lock(mutex_);
        inUse_ = open_;
        drainedWaiting_.push_back(std::move(drained));
    }
    wake();
}

void AlsaWaveOut::dropStream() {
    held_ = false;
    {
        std::lock_guard lock(mutex_);
        inUse_ = open_;
        dropWanted_ = true;
        closeWanted_ = !open_;
        drainedWaiting_.clear();
    }
    wake();
}

}  // namespace skycrier
