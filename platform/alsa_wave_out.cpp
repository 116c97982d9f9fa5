#include "platform/alsa_wave_out.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/pcm_format.h"
#include "platform/software_volume.h"

namespace skycrier {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr unsigned kBufferMicros = 250'000;
constexpr unsigned kPeriodMicros = 50'000;
// Longest sleep while a played buffer is awaited, so its end is reported promptly.
constexpr milliseconds kLongestPause{20};

snd_pcm_format_t alsaFormat(std::uint16_t bits) {
    switch (bits) {
    case 8: return SND_PCM_FORMAT_U8;
    case 16: return SND_PCM_FORMAT_S16_LE;
    case 24: return SND_PCM_FORMAT_S24_3LE;
    default: return SND_PCM_FORMAT_S32_LE;
    }
}

bool sameLayout(const PcmFormat& a, const PcmFormat& b) {
    return a.channels == b.channels && a.samplesPerSecond == b.samplesPerSecond && a.bitsPerSample == b.bitsPerSample;
}

}  // namespace

// The sound thread's side: the PCM and the buffers on their way through it.
struct AlsaWaveOut::Stream {
    struct InFlight {
        int buffer;
        std::uint64_t endFrame;
    };

    explicit Stream(std::function<void(int)> played) : finished(std::move(played)) {}
    ~Stream() { closePcm(); }

    bool openPcm(const std::string& name, const PcmFormat& format);
    void closePcm();
    // Makes the job the one being written, at the volume set for the PCM now.
    void begin(Job job);
    // Feeds and watches the PCM; returns how long to wait before the next turn.
    milliseconds pump();
    void reportPlayed();
    // Gives every buffer back unplayed.
    void returnAll(std::deque<Job>& waiting);
    void giveUp();

    std::function<void(int)> finished;
    snd_pcm_t* pcm = nullptr;
    std::string pcmName;
    PcmFormat format;
    snd_pcm_uframes_t period = 1;
    std::optional<Job> current;
    std::size_t currentDone = 0;
    const SoftwareVolume* volume = nullptr;
    // The current job's frames at that volume, when it is not full.
    std::vector<std::uint8_t> scaled;
    std::deque<InFlight> inFlight;
    std::uint64_t written = 0;
    std::optional<Clock::time_point> lingerUntil;
};

bool AlsaWaveOut::Stream::openPcm(const std::string& name, const PcmFormat& wanted) {
    lingerUntil.reset();
    if (pcm && name == pcmName && sameLayout(format, wanted)) return true;
    closePcm();
    if (snd_pcm_open(&pcm, name.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        pcm = nullptr;
        return false;
    }
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    unsigned bufferTime = kBufferMicros;
    unsigned periodTime = kPeriodMicros;
    snd_pcm_uframes_t boundary = 0;
    const bool ok =
        snd_pcm_hw_params_any(pcm, hw) >= 0 &&
        snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) >= 0 &&
        snd_pcm_hw_params_set_format(pcm, hw, alsaFormat(wanted.bitsPerSample)) >= 0 &&
        snd_pcm_hw_params_set_channels(pcm, hw, wanted.channels) >= 0 &&
        snd_pcm_hw_params_set_rate_resample(pcm, hw, 1) >= 0 &&
        snd_pcm_hw_params_set_rate(pcm, hw, wanted.samplesPerSecond, 0) >= 0 &&
        snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &bufferTime, nullptr) >= 0 &&
        snd_pcm_hw_params_set_period_time_near(pcm, hw, &periodTime, nullptr) >= 0 &&
        snd_pcm_hw_params(pcm, hw) >= 0 && snd_pcm_hw_params_get_period_size(hw, &period, nullptr) >= 0 &&
        snd_pcm_sw_params_current(pcm, sw) >= 0 && snd_pcm_sw_params_get_boundary(sw, &boundary) >= 0 &&
        // Start with the first frame: a sound shorter than the buffer must play too.
        snd_pcm_sw_params_set_start_threshold(pcm, sw, 1) >= 0 &&
        snd_pcm_sw_params_set_avail_min(pcm, sw, period) >= 0 && snd_pcm_sw_params(pcm, sw) >= 0;
    if (!ok) {
        closePcm();
        return false;
    }
    pcmName = name;
    format = wanted;
    period = std::max<snd_pcm_uframes_t>(period, 1);
    written = 0;
    return true;
}

void AlsaWaveOut::Stream::begin(Job job) {
    const std::uint32_t word = volume ? volume->word() : kFullVolume;
    if (word != kFullVolume) {
        scaled.assign(job.data, job.data + job.frames * format.blockAlign);
        applyVolume(scaled.data(), scaled.size(), format, word);
        job.data = scaled.data();
    }
    current = job;
}

void AlsaWaveOut::Stream::closePcm() {
    if (!pcm) return;
    snd_pcm_drop(pcm);
    snd_pcm_close(pcm);
    pcm = nullptr;
    lingerUntil.reset();
}

void AlsaWaveOut::Stream::reportPlayed() {
    snd_pcm_sframes_t delay = 0;
    // An underrun means the ring ran dry: everything written has been played.
    if (snd_pcm_delay(pcm, &delay) < 0 || delay < 0) delay = 0;
    const std::uint64_t queued = std::min<std::uint64_t>(static_cast<std::uint64_t>(delay), written);
    const std::uint64_t played = written - queued;
    while (!inFlight.empty() && inFlight.front().endFrame <= played) {
        finished(inFlight.front().buffer);
        inFlight.pop_front();
    }
}

// The PCM failed for good (a device unplugged): the sound ends here, and the
// next open finds out whether the device is back.
void AlsaWaveOut::Stream::giveUp() {
    std::deque<Job> none;
    returnAll(none);
    closePcm();
}

void AlsaWaveOut::Stream::returnAll(std::deque<Job>& waiting) {
    for (const InFlight& f : inFlight) finished(f.buffer);
    inFlight.clear();
    if (current) finished(current->buffer);
    current.reset();
    for (const Job& job : waiting) finished(job.buffer);
    waiting.clear();
}

milliseconds AlsaWaveOut::Stream::pump() {
    snd_pcm_sframes_t avail = snd_pcm_avail_update(pcm);
    if (avail < 0 && snd_pcm_recover(pcm, static_cast<int>(avail), 1) >= 0) avail = snd_pcm_avail_update(pcm);
    if (avail < 0) {
        giveUp();
        return milliseconds(0);
    }
    snd_pcm_sframes_t n = 0;
    if (current && currentDone < current->frames && avail > 0) {
        const auto count = std::min<snd_pcm_uframes_t>(static_cast<snd_pcm_uframes_t>(avail),
                                                       current->frames - currentDone);
        const std::uint8_t* from = current->data + currentDone * format.blockAlign;
        n = snd_pcm_writei(pcm, from, count);
        if (n == -EAGAIN) n = 0;
        if (n < 0) {
            if (snd_pcm_recover(pcm, static_cast<int>(n), 1) < 0) giveUp();
            return milliseconds(0);
        }
        currentDone += static_cast<std::size_t>(n);
        written += static_cast<std::uint64_t>(n);
    }
    if (current && currentDone == current->frames) {
        inFlight.push_back({current->buffer, written});
        current.reset();
        currentDone = 0;
    }
    reportPlayed();

    const auto framesToMs = [this](std::uint64_t frames) {
        return milliseconds(frames * 1000 / format.samplesPerSecond + 1);
    };
    if (current) {
        // Write on while a period is free; otherwise wait until one is.
        const auto free = static_cast<snd_pcm_uframes_t>(std::max<snd_pcm_sframes_t>(snd_pcm_avail_update(pcm), 0));
        if (free >= period && n > 0) return milliseconds(0);
        return std::min(framesToMs(free >= period ? 0 : period - free), kLongestPause);
    }
    if (inFlight.empty()) return milliseconds(0);
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(pcm, &delay) < 0 || delay < 0) delay = 0;
    return std::min(framesToMs(static_cast<std::uint64_t>(delay)), kLongestPause);
}

AlsaWaveOut::AlsaWaveOut(EventLoop& loop, AlsaCatalogue& catalogue)
    : catalogue_(catalogue),
      tasks_(loop),
      stream_(std::make_unique<Stream>([this](int buffer) { returnBuffer(buffer); })),
      thread_([this] { run(); }) {}

AlsaWaveOut::~AlsaWaveOut() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void AlsaWaveOut::returnBuffer(int buffer) {
    tasks_.post([this, buffer] {
        if (events_.done) events_.done(buffer);
    });
}

bool AlsaWaveOut::call(const std::function<bool(Stream&)>& task) {
    std::unique_lock lock(mutex_);
    task_ = &task;
    wake_.notify_all();
    answered_.wait(lock, [this] { return task_ == nullptr; });
    return taskResult_;
}

void AlsaWaveOut::run() {
    Stream& s = *stream_;
    std::unique_lock lock(mutex_);
    const auto hasWork = [&] { return quit_ || task_ || (!s.current && !toWrite_.empty()); };
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
        if (!s.pcm && !toWrite_.empty()) {
            // No PCM to play on (it failed): the buffers come back unplayed.
            std::deque<Job> waiting;
            waiting.swap(toWrite_);
            s.returnAll(waiting);
            continue;
        }
        if (!s.current && !toWrite_.empty()) {
            s.begin(toWrite_.front());
            toWrite_.pop_front();
        }
        if (s.pcm && (s.current || !s.inFlight.empty())) {
            lock.unlock();
            const milliseconds pause = s.pump();
            lock.lock();
            if (pause.count() > 0) wake_.wait_for(lock, pause, hasWork);
        } else if (s.pcm && s.lingerUntil) {
            if (!wake_.wait_until(lock, *s.lingerUntil, hasWork)) s.closePcm();
        } else {
            wake_.wait(lock, [&] { return quit_ || task_ || !toWrite_.empty(); });
        }
    }
    lock.unlock();
    s.closePcm();
}

bool AlsaWaveOut::open(int device, const PcmFormat& format, Events events) {
    if (open_ || !isPlayablePcm(format)) return false;
    const auto name = catalogue_.pcmName(device);
    if (!name) return false;
    const SoftwareVolume* volume = &catalogue_.softwareVolume(*name);
    if (!call([&](Stream& s) {
            s.volume = volume;
            return s.openPcm(*name, format);
        }))
        return false;
    open_ = true;
    prepared_[0] = prepared_[1] = false;
    frameBytes_ = format.blockAlign;
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
    {
        std::lock_guard lock(mutex_);
        toWrite_.push_back({buffer, data, size / frameBytes_});
    }
    wake_.notify_all();
    return true;
}

bool AlsaWaveOut::reset() {
    if (!open_) return false;
    return call([this](Stream& s) {
        if (s.pcm) {
            snd_pcm_drop(s.pcm);
            snd_pcm_prepare(s.pcm);
        }
        std::deque<Job> waiting;
        {
            std::lock_guard lock(mutex_);
            waiting.swap(toWrite_);
        }
        s.returnAll(waiting);
        return true;
    });
}

bool AlsaWaveOut::close() {
    if (!open_) return false;
    const bool idle = call([this](Stream& s) {
        std::lock_guard lock(mutex_);
        if (s.current || !s.inFlight.empty() || !toWrite_.empty()) return false;
        if (s.pcm) s.lingerUntil = Clock::now() + kLinger;
        return true;
    });
    if (!idle) return false;
    open_ = false;
    return true;
}

}  // namespace skycrier
