#include "platform/alsa_capture.h"

#include <alsa/asoundlib.h>

namespace skycrier {
namespace {

// Half a second of buffer rides out a busy machine without losing sound.
constexpr unsigned kLatencyMicroseconds = 500'000;

snd_pcm_t* handle(void* pcm) { return static_cast<snd_pcm_t*>(pcm); }

}  // namespace

std::unique_ptr<AlsaCapture> AlsaCapture::open(const std::string& device, unsigned sampleRate, std::string& error) {
    snd_pcm_t* pcm = nullptr;
    int status = snd_pcm_open(&pcm, device.c_str(), SND_PCM_STREAM_CAPTURE, 0);
    if (status < 0) {
        error = device + ": " + snd_strerror(status);
        return nullptr;
    }
    status = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, sampleRate, 1,
                                kLatencyMicroseconds);
    if (status < 0) {
        error = device + ": " + snd_strerror(status);
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::unique_ptr<AlsaCapture>(new AlsaCapture(pcm));
}

AlsaCapture::~AlsaCapture() { snd_pcm_close(handle(pcm_)); }

long AlsaCapture::read(std::int16_t* samples, std::size_t count, std::string& error) {
    for (;;) {
        const snd_pcm_sframes_t got = snd_pcm_readi(handle(pcm_), samples, count);
        if (got >= 0) return static_cast<long>(got);
        // An overrun or a suspend loses some sound; the recording goes on.
        const int recovered = snd_pcm_recover(handle(pcm_), static_cast<int>(got), 1);
        if (recovered < 0) {
            error = snd_strerror(recovered);
            return -1;
        }
    }
}

}  // namespace skycrier
