#pragma once
// The sound outputs ALSA knows, numbered as the program numbers devices:
// -1 is ALSA's "default" PCM (whatever the system routes it to, a sound
// server included); 0, 1, ... are the hardware playback devices in card and
// device order, opened as "plughw:CARD=<id>,DEV=<n>" so that ALSA converts
// any format the card lacks. Volume goes through the card's mixer (for -1
// the "default" mixer): the "Master" control, else "PCM", else the first
// control with a playback volume.

#include <optional>
#include <string>
#include <vector>

#include "platform/wave_out.h"

namespace skycrier {

class AlsaCatalogue : public WaveOutCatalogue {
public:
    // Failures are reported through the program's own texts, so ALSA's
    // library messages on stderr are silenced.
    AlsaCatalogue();

    std::vector<std::string> deviceNames() override;
    bool volume(int device, std::uint32_t& word) override;
    bool setVolume(int device, std::uint32_t word) override;

    // The PCM to open for a device number; nothing for a number with no device.
    std::optional<std::string> pcmName(int device);

private:
    struct Device {
        std::string name;
        std::string pcm;
        std::string mixer;
    };

    struct Volume;

    static std::vector<Device> devices();
    std::optional<Volume> openVolume(int device);
    std::optional<std::string> mixerName(int device);
};

}  // namespace skycrier
