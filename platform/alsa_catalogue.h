#pragma once
// The sound outputs ALSA knows, numbered as the program numbers devices:
// -1 is ALSA's "default" PCM (whatever the system routes it to, a sound
// server included); 0, 1, ... are the hardware playback devices in card and
// device order, opened as "plughw:CARD=<id>,DEV=<n>" so that ALSA converts
// any format the card lacks. Volume goes through the card's mixer (for -1
// the "default" mixer): the "Master" control, else "PCM", else the first
// control with a playback volume. An output without such a control gets its
// volume in software: AlsaWaveOut scales the samples it plays on it.
//
// Threading: the loop's thread only; the software volumes it hands out are
// read by the sound thread.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/software_volume.h"
#include "platform/wave_out.h"

namespace skycrier {

class AlsaCatalogue : public WaveOutCatalogue {
public:
    // Failures are reported through the program's own texts, so ALSA's
    // library messages on stderr are silenced.
    AlsaCatalogue();

    std::vector<std::optional<std::string>> deviceNames() override;
    // A word written and not changed since by another program reads back as
    // written, although the mixer's steps are coarser than the word's. An
    // output without a mixer control has no volume to tell until one is set.
    bool volume(int device, std::uint32_t& word) override;
    bool setVolume(int device, std::uint32_t word) override;

    // The PCM to open for a device number; nothing for a number with no device.
    std::optional<std::string> pcmName(int device);
    // The gain AlsaWaveOut gives the samples it plays on a PCM: full unless
    // the PCM's device has no mixer control and a volume was set for it. The
    // reference stays valid as long as the catalogue.
    const SoftwareVolume& softwareVolume(const std::string& pcm) { return software_[pcm].volume; }

private:
    struct Device {
        // Nothing when the card's name could not be read.
        std::optional<std::string> name;
        std::string pcm;
        std::string mixer;
    };
    struct Volume;
    // The last word written through a mixer and what the control read right after.
    struct Written {
        std::uint32_t word;
        long left;
        long right;
    };

    struct Software {
        SoftwareVolume volume;
        bool set = false;
    };

    static std::vector<Device> devices();
    static std::optional<Device> find(int device);
    static std::optional<Volume> openVolume(const std::string& mixer);

    std::map<std::string, Software> software_;
    std::map<std::string, Written> written_;
};

}  // namespace skycrier
