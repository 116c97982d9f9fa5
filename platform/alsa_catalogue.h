#pragma once
// The sound outputs ALSA knows. By name: the playback PCMs ALSA's name hints
// list ("default", "pulse", "hw:CARD=Device,DEV=0", ...), the names of the
// system's configuration included. By number, as older configurations keep
// them: -1 is ALSA's "default" PCM (whatever the system routes it to, a sound
// server included); 0, 1, ... are the hardware playback devices in card and
// device order, opened as "plughw:CARD=<id>,DEV=<n>" so that ALSA converts
// any format the card lacks.
//
// Volume goes through the mixer of the output's card: the card a name names,
// or the card of a numbered device; "default" uses the "default" mixer unless
// its PCM plays through a sound server, whose volume is the whole system's and
// not this program's to move. The control is "Master", else "PCM", else the
// first control with a playback volume. An output without such a control (a
// sound server's, one with no card, a card without a volume control) gets
// its volume in software: AlsaWaveOut scales the samples it plays on it.
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

    // The named outputs in ALSA's order (those for capture only left out),
    // then the numbered devices ALSA gives no hint for.
    std::vector<OutputEntry> outputs() override;
    // A word written and not changed since by another program reads back as
    // written, although the mixer's steps are coarser than the word's. An
    // output without a mixer control has no volume to tell until one is set;
    // one read through its card's mixer plays its samples whole.
    bool volume(const OutputDevice& device, std::uint32_t& word) override;
    bool setVolume(const OutputDevice& device, std::uint32_t word) override;
    VolumeControl volumeControl(const OutputDevice& device) override;

    // The PCM to open for a device: its name, or the PCM of its number;
    // nothing for a number with no device.
    std::optional<std::string> pcmName(const OutputDevice& device);
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
    // The mixer of the output's card; nothing when it has no card of its own.
    static std::optional<std::string> mixerOf(const OutputDevice& device);
    static std::optional<Volume> openVolume(const OutputDevice& device);

    std::map<std::string, Software> software_;
    std::map<std::string, Written> written_;
};

}  // namespace skycrier
