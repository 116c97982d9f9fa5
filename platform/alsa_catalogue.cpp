#include "platform/alsa_catalogue.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/alsa_pcm_route.h"

namespace skycrier {
namespace {

constexpr const char* kDefaultName = "default";

struct MixerCloser {
    void operator()(snd_mixer_t* m) const { snd_mixer_close(m); }
};
using Mixer = std::unique_ptr<snd_mixer_t, MixerCloser>;

Mixer openMixer(const std::string& name) {
    snd_mixer_t* raw = nullptr;
    if (snd_mixer_open(&raw, 0) < 0) return nullptr;
    Mixer mixer(raw);
    if (snd_mixer_attach(raw, name.c_str()) < 0 || snd_mixer_selem_register(raw, nullptr, nullptr) < 0 ||
        snd_mixer_load(raw) < 0)
        return nullptr;
    return mixer;
}

snd_mixer_elem_t* preferredControl(snd_mixer_t* mixer) {
    snd_mixer_elem_t* first = nullptr;
    for (const char* preferred : {"Master", "PCM"}) {
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e)) {
            if (!snd_mixer_selem_is_active(e) || !snd_mixer_selem_has_playback_volume(e)) continue;
            if (!first) first = e;
            if (std::string(snd_mixer_selem_get_name(e)) == preferred) return e;
        }
    }
    return first;
}

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

struct FreeText {
    void operator()(char* text) const { std::free(text); }
};
using HintText = std::unique_ptr<char, FreeText>;

// A hint's description on one line: ALSA puts the card on the first line and
// the kind of device on the second.
std::string oneLine(const char* description) {
    std::string line;
    for (const char* c = description; *c; ++c) {
        if (*c != '\n')
            line += *c;
        else if (c[1])
            line += "; ";
    }
    return line;
}

std::vector<OutputEntry> playbackHints() {
    std::vector<OutputEntry> found;
    void** hints = nullptr;
    if (snd_device_name_hint(-1, "pcm", &hints) < 0) return found;
    for (void** hint = hints; *hint; ++hint) {
        const HintText name{snd_device_name_get_hint(*hint, "NAME")};
        const HintText description{snd_device_name_get_hint(*hint, "DESC")};
        // No IOID: both ways.
        const HintText direction{snd_device_name_get_hint(*hint, "IOID")};
        if (!name || (direction && std::string_view(direction.get()) != "Output")) continue;
        found.push_back({name.get(), oneLine(description ? description.get() : ""), std::nullopt});
    }
    snd_device_name_free_hint(hints);
    return found;
}

}  // namespace

AlsaCatalogue::AlsaCatalogue() { snd_lib_error_set_handler(ignoreAlsaMessage); }

std::vector<AlsaCatalogue::Device> AlsaCatalogue::devices() {
    std::vector<Device> found;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        const std::string ctlName = "hw:" + std::to_string(card);
        snd_ctl_t* ctl = nullptr;
        if (snd_ctl_open(&ctl, ctlName.c_str(), 0) < 0) continue;
        snd_ctl_card_info_t* cardInfo = nullptr;
        snd_ctl_card_info_alloca(&cardInfo);
        // A card whose name cannot be read still plays; it is opened by its number.
        const bool named = snd_ctl_card_info(ctl, cardInfo) >= 0;
        const std::string cardId = named ? snd_ctl_card_info_get_id(cardInfo) : std::to_string(card);
        int device = -1;
        while (snd_ctl_pcm_next_device(ctl, &device) == 0 && device >= 0) {
            snd_pcm_info_t* info = nullptr;
            snd_pcm_info_alloca(&info);
            snd_pcm_info_set_device(info, static_cast<unsigned>(device));
            snd_pcm_info_set_subdevice(info, 0);
            snd_pcm_info_set_stream(info, SND_PCM_STREAM_PLAYBACK);
            if (snd_ctl_pcm_info(ctl, info) < 0) continue;
            std::optional<std::string> name;
            if (named) name = std::string(snd_ctl_card_info_get_name(cardInfo)) + ": " + snd_pcm_info_get_name(info);
            found.push_back({name, "plughw:CARD=" + cardId + ",DEV=" + std::to_string(device), ctlName});
        }
        snd_ctl_close(ctl);
    }
    return found;
}

std::optional<AlsaCatalogue::Device> AlsaCatalogue::find(int device) {
    if (device == kDefaultOutputDevice) return Device{kDefaultName, kDefaultName, kDefaultName};
    if (device < 0) return std::nullopt;
    auto all = devices();
    if (static_cast<std::size_t>(device) >= all.size()) return std::nullopt;
    return std::move(all[static_cast<std::size_t>(device)]);
}

std::vector<OutputEntry> AlsaCatalogue::outputs() {
    std::vector<OutputEntry> listed = playbackHints();
    std::vector<Device> numbered = devices();
    for (std::size_t i = 0; i < numbered.size(); ++i) {
        const int number = static_cast<int>(i);
        const auto hinted = std::find_if(listed.begin(), listed.end(),
                                         [&](const OutputEntry& e) { return e.name == numbered[i].pcm; });
        if (hinted != listed.end())
            hinted->number = number;
        else
            listed.push_back({std::move(numbered[i].pcm), std::move(numbered[i].name), number});
    }
    return listed;
}

std::optional<std::string> AlsaCatalogue::pcmName(const OutputDevice& device) {
    if (!device.name.empty()) return device.name;
    auto found = find(device.number);
    if (!found) return std::nullopt;
    return std::move(found->pcm);
}

std::optional<std::string> AlsaCatalogue::mixerOf(const OutputDevice& device) {
    if (device.name.empty() && device.number != kDefaultOutputDevice) {
        auto found = find(device.number);
        if (!found) return std::nullopt;
        return std::move(found->mixer);
    }
    const std::string pcm = device.name.empty() ? kDefaultName : device.name;
    if (const auto card = cardOfPcm(pcm)) return "hw:" + *card;
    if (pcm == kDefaultName && !reachesSoundServer(pcm)) return pcm;
    return std::nullopt;
}

// The mixer of a device with its volume control and that control's range.
struct AlsaCatalogue::Volume {
    std::string name;
    Mixer mixer;
    snd_mixer_elem_t* control = nullptr;
    long low = 0;
    long high = 0;

    long raw(snd_mixer_selem_channel_id_t channel) const {
        long value = low;
        if (!snd_mixer_selem_has_playback_channel(control, channel)) channel = SND_MIXER_SCHN_FRONT_LEFT;
        snd_mixer_selem_get_playback_volume(control, channel, &value);
        return value;
    }
    std::uint32_t part(long value) const {
        if (high <= low) return 0;
        return static_cast<std::uint32_t>((std::clamp(value, low, high) - low) * 65535 / (high - low));
    }
    long value(std::uint32_t part) const { return low + static_cast<long>((part & 0xFFFF) * (high - low) / 65535); }
};

std::optional<AlsaCatalogue::Volume> AlsaCatalogue::openVolume(const OutputDevice& device) {
    auto mixer = mixerOf(device);
    if (!mixer) return std::nullopt;
    Volume v{*mixer, openMixer(*mixer)};
    v.control = v.mixer ? preferredControl(v.mixer.get()) : nullptr;
    if (!v.control) return std::nullopt;
    snd_mixer_selem_get_playback_volume_range(v.control, &v.low, &v.high);
    return v;
}

bool AlsaCatalogue::volume(const OutputDevice& device, std::uint32_t& word) {
    const auto pcm = pcmName(device);
    if (!pcm) return false;
    Software& software = software_[*pcm];
    const auto v = openVolume(device);
    if (!v) {
        word = software.volume.word();
        return software.set;
    }
    // A level of ours set while the card was away would come on top of the card's own.
    software.volume.set(kFullVolume);
    software.set = false;
    const long left = v->raw(SND_MIXER_SCHN_FRONT_LEFT);
    const long right = v->raw(SND_MIXER_SCHN_FRONT_RIGHT);
    const auto written = written_.find(v->name);
    if (written != written_.end() && written->second.left == left && written->second.right == right)
        word = written->second.word;
    else
        word = v->part(left) | v->part(right) << 16;
    return true;
}

bool AlsaCatalogue::setVolume(const OutputDevice& device, std::uint32_t word) {
    const auto pcm = pcmName(device);
    if (!pcm) return false;
    Software& software = software_[*pcm];
    const auto v = openVolume(device);
    if (!v) {
        software.volume.set(word);
        software.set = true;
        return true;
    }
    // The card's mixer does it: the samples go out whole.
    software.volume.set(kFullVolume);
    software.set = false;
    const bool set =
        snd_mixer_selem_is_playback_mono(v->control)
            ? snd_mixer_selem_set_playback_volume_all(v->control, v->value(word)) == 0
            : snd_mixer_selem_set_playback_volume(v->control, SND_MIXER_SCHN_FRONT_LEFT, v->value(word)) == 0 &&
                  snd_mixer_selem_set_playback_volume(v->control, SND_MIXER_SCHN_FRONT_RIGHT, v->value(word >> 16)) == 0;
    // What the card made of it, as a fresh look at the mixer sees it.
    if (const auto after = set ? openVolume(device) : std::nullopt)
        written_[v->name] = {word, after->raw(SND_MIXER_SCHN_FRONT_LEFT), after->raw(SND_MIXER_SCHN_FRONT_RIGHT)};
    return set;
}

VolumeControl AlsaCatalogue::volumeControl(const OutputDevice& device) {
    return openVolume(device) ? VolumeControl::CardMixer : VolumeControl::Samples;
}

}  // namespace skycrier
