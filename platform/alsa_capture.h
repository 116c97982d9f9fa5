#pragma once
// Sound from an ALSA capture device as 16-bit mono samples at a fixed rate
// (ALSA converts when the device cannot deliver that layout itself).
//
// Threading: one thread at a time; read() blocks until the samples are there.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace skycrier {

class AlsaCapture {
public:
    // Opens the device ("default", "hw:1,0", ...); nothing, and the reason, when it cannot be used.
    static std::unique_ptr<AlsaCapture> open(const std::string& device, unsigned sampleRate, std::string& error);
    ~AlsaCapture();
    AlsaCapture(const AlsaCapture&) = delete;
    AlsaCapture& operator=(const AlsaCapture&) = delete;

    // Reads up to count samples; the number read, or -1 with the reason.
    long read(std::int16_t* samples, std::size_t count, std::string& error);

private:
    explicit AlsaCapture(void* pcm) : pcm_(pcm) {}
    void* pcm_;
};

}  // namespace skycrier
