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
#include <utility>
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

// A sound output as the user chose it. A name is an ALSA PCM name ("default",
// "pulse", "hw:CARD=Device,DEV=0") and survives a card that comes up under
// another number after a reboot; a number is the older form, kept for
// configurations that hold one: kDefaultOutputDevice, or the index of a card's
// playback device in the catalogue's order.
struct OutputDevice {
    OutputDevice(int deviceNumber = kDefaultOutputDevice, std::string deviceName = {})
        : number(deviceNumber), name(std::move(deviceName)) {}

    int number;
    // Chosen over the number when not empty.
    std::string name;

    bool operator==(const OutputDevice&) const = default;
};

class WaveOut {
public:
    struct Events {
        std::function<void()> opened;
        // The buffer (0 or 1) has been played, or returned unplayed by reset().
        std::function<void(int buffer)> done;
        // Something the operator's log should hear of that did not stop the
        // sound (the device ran dry and was restarted).
        std::function<void(const std::string& text)> trouble;
    };

    virtual ~WaveOut() = default;

    // Opens the device for the format; the opened event follows on the main loop.
    virtual bool open(const OutputDevice& device, const PcmFormat& format, Events events) = 0;
    // Why the last open failed, in words for the operator; empty when the output cannot tell.
    virtual std::string openFailure() const { return {}; }
    virtual bool prepare(int buffer) = 0;
    virtual bool unprepare(int buffer) = 0;
    // Queues the bytes of a prepared buffer; they must stay valid until its done event.
    virtual bool write(int buffer, const std::uint8_t* data, std::size_t size) = 0;
    // Stops playing and returns every queued buffer.
    virtual bool reset() = 0;
    virtual bool close() = 0;

    // A bulletin is one stream: from holdStream() until drainStream() or
    // dropStream() the device stays open between sounds and is fed silence
    // while it waits for the next one, so the words follow each other as they
    // were timed and the device never runs dry. An output without a device
    // (a file, a simulation) has nothing to hold.
    virtual void holdStream() {}
    // Plays out what is queued and lets the device go; drained runs on the
    // main loop once the last frame has been heard (at once here).
    virtual void drainStream(std::function<void()> drained) { drained(); }
    // Forgets what is queued and lets the device go at once.
    virtual void dropStream() {}
};

// One output as the catalogue lists it.
struct OutputEntry {
    // The ALSA PCM name it is opened by.
    std::string name;
    // What the system calls it, on one line; nothing for a card whose name cannot be read.
    std::optional<std::string> description;
    // A card's playback device has its number in the numbered list as well.
    std::optional<int> number;
};

// Where an output's volume is set.
enum class VolumeControl {
    // The mixer of the output's card.
    CardMixer,
    // The samples themselves: a sound server's output, or a card without a volume control.
    Samples,
};

// The installed outputs and their volume, for the sound-card choice.
class WaveOutCatalogue {
public:
    virtual ~WaveOutCatalogue() = default;
    // The outputs there are now; every device of the numbered list is among them.
    virtual std::vector<OutputEntry> outputs() = 0;
    // Volume word: low 16 bits left, high 16 bits right, each 0..65535.
    // False when the output has no volume to tell: it is not there, or its
    // volume is in the samples and was never set.
    virtual bool volume(const OutputDevice& device, std::uint32_t& word) = 0;
    virtual bool setVolume(const OutputDevice& device, std::uint32_t word) = 0;
    virtual VolumeControl volumeControl(const OutputDevice& device) = 0;
};

}  // namespace skycrier
