#pragma once
// A sound output in the manner of a wave-out device: open with a PCM format,
// hand it numbered buffers, and hear back on the main loop when it has opened
// and when each buffer has been played. Main thread only; implementations
// that play in a thread of their own deliver their events through
// EventLoop::post.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skycrier {

struct PcmFormat {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSecond = 24000;
    std::uint32_t averageBytesPerSecond = 48000;
    std::uint16_t blockAlign = 2;
    std::uint16_t bitsPerSample = 16;
};

// Device number of the system's default output.
inline constexpr int kDefaultOutputDevice = -1;

class WaveOut {
public:
    struct Events {
        std::function<void()> opened;
        // The buffer (0 or 1) has been played, or returned unplayed by reset().
        std::function<void(int buffer)> done;
    };

    virtual ~WaveOut() = default;

    // Opens the device (kDefaultOutputDevice or an index) for the format; the
    // opened event follows on the main loop.
    virtual bool open(int device, const PcmFormat& format, Events events) = 0;
    virtual bool prepare(int buffer) = 0;
    virtual bool unprepare(int buffer) = 0;
    // Queues the bytes of a prepared buffer; they must stay valid until its done event.
    virtual bool write(int buffer, const std::uint8_t* data, std::size_t size) = 0;
    // Stops playing and returns every queued buffer.
    virtual bool reset() = 0;
    virtual bool close() = 0;
};

// The installed outputs and their volume, for the sound-card choice.
class WaveOutCatalogue {
public:
    virtual ~WaveOutCatalogue() = default;
    // Names in device-number order; nothing for a device whose name cannot be read.
    virtual std::vector<std::optional<std::string>> deviceNames() = 0;
    // Volume word: low 16 bits left, high 16 bits right, each 0..65535.
    virtual bool volume(int device, std::uint32_t& word) = 0;
    virtual bool setVolume(int device, std::uint32_t word) = 0;
};

}  // namespace skycrier
