#include "platform/alsa_pcm.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>

namespace skycrier {

std::unique_ptr<AlsaPcm> AlsaPcm::open(const std::string& name, std::string& error) {
    snd_pcm_t* raw = nullptr;
    const int opened = snd_pcm_open(&raw, name.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (opened < 0) {
        error = snd_strerror(opened);
        return nullptr;
    }
    std::unique_ptr<AlsaPcm> pcm(new AlsaPcm(raw, name));
    if (!pcm->setUp(error)) return nullptr;
    return pcm;
}

AlsaPcm::~AlsaPcm() { snd_pcm_close(pcm_); }

bool AlsaPcm::setUp(std::string& error) {
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    unsigned bufferTime = kBufferMicros;
    unsigned periodTime = kPeriodMicros;
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_uframes_t period = 0;
    int step = snd_pcm_hw_params_any(pcm_, hw);
    const auto next = [&step](int result) {
        if (step >= 0) step = result;
    };
    next(snd_pcm_hw_params_set_access(pcm_, hw, SND_PCM_ACCESS_RW_INTERLEAVED));
    next(snd_pcm_hw_params_set_format(pcm_, hw, SND_PCM_FORMAT_S16_LE));
    next(snd_pcm_hw_params_set_channels(pcm_, hw, kChannels));
    next(snd_pcm_hw_params_set_rate_resample(pcm_, hw, 1));
    next(snd_pcm_hw_params_set_rate(pcm_, hw, kRate, 0));
    next(snd_pcm_hw_params_set_buffer_time_near(pcm_, hw, &bufferTime, nullptr));
    next(snd_pcm_hw_params_set_period_time_near(pcm_, hw, &periodTime, nullptr));
    next(snd_pcm_hw_params(pcm_, hw));
    next(snd_pcm_hw_params_get_buffer_size(hw, &buffer));
    next(snd_pcm_hw_params_get_period_size(hw, &period, nullptr));
    if (step < 0) {
        error = std::string("16-bit stereo at 24000 Hz: ") + snd_strerror(step);
        return false;
    }
    buffer_ = std::max<std::size_t>(buffer, 1);
    period_ = std::clamp<std::size_t>(period, 1, buffer_);
    // Playing starts once half the buffer is there: enough to ride out a
    // late turn of the sound thread, soon enough not to delay the first word.
    next(snd_pcm_sw_params_current(pcm_, sw));
    next(snd_pcm_sw_params_set_start_threshold(pcm_, sw, buffer_ / 2));
    next(snd_pcm_sw_params_set_avail_min(pcm_, sw, period_));
    next(snd_pcm_sw_params(pcm_, sw));
    if (step < 0) {
        error = snd_strerror(step);
        return false;
    }
    return true;
}

bool AlsaPcm::recover(long error) {
    if (error == -EPIPE || error == -ESTRPIPE) ++recoveries_;
    return snd_pcm_recover(pcm_, static_cast<int>(error), 1) >= 0;
}

std::optional<std::size_t> AlsaPcm::writable() {
    snd_pcm_sframes_t avail = snd_pcm_avail_update(pcm_);
    if (avail < 0) {
        if (!recover(avail)) return std::nullopt;
        avail = snd_pcm_avail_update(pcm_);
        if (avail < 0) return std::nullopt;
    }
    return static_cast<std::size_t>(avail);
}

std::optional<std::size_t> AlsaPcm::write(const std::int16_t* frames, std::size_t count) {
    const snd_pcm_sframes_t n = snd_pcm_writei(pcm_, frames, count);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (n == -EAGAIN) return 0;
    if (!recover(n)) return std::nullopt;
    return 0;
}

std::size_t AlsaPcm::unheard() {
    snd_pcm_sframes_t delay = 0;
    // After an underrun everything written has been played.
    if (snd_pcm_delay(pcm_, &delay) < 0 || delay < 0) return 0;
    return static_cast<std::size_t>(delay);
}

std::size_t AlsaPcm::queued() {
    const snd_pcm_sframes_t avail = snd_pcm_avail_update(pcm_);
    if (avail < 0) return 0;
    return buffer_ - std::min(buffer_, static_cast<std::size_t>(avail));
}

void AlsaPcm::start() {
    if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED && unheard() > 0) snd_pcm_start(pcm_);
}

void AlsaPcm::drain() {
    start();
    snd_pcm_nonblock(pcm_, 0);
    snd_pcm_drain(pcm_);
    snd_pcm_nonblock(pcm_, 1);
    snd_pcm_prepare(pcm_);
}

void AlsaPcm::drop() {
    snd_pcm_drop(pcm_);
    snd_pcm_prepare(pcm_);
}

std::vector<pollfd> AlsaPcm::pollDescriptors() {
    const int count = snd_pcm_poll_descriptors_count(pcm_);
    std::vector<pollfd> fds(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0) fds.resize(static_cast<std::size_t>(std::max(snd_pcm_poll_descriptors(pcm_, fds.data(), count), 0)));
    return fds;
}

bool AlsaPcm::pollSaysWritable(std::vector<pollfd>& fds) {
    unsigned short revents = 0;
    if (snd_pcm_poll_descriptors_revents(pcm_, fds.data(), static_cast<unsigned>(fds.size()), &revents) < 0)
        return true;
    return (revents & (POLLOUT | POLLERR)) != 0;
}

}  // namespace skycrier
