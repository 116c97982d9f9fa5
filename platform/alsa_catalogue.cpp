#include "platform/alsa_catalogue.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <memory>

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

snd_mixer_elem_t* volumeControl(snd_mixer_t* mixer) {
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

std::vector<std::optional<std::string>> AlsaCatalogue::deviceNames() {
    std::vector<std::optional<std::string>> names;
    for (Device& d : devices()) names.push_back(std::move(d.name));
    return names;
}

std::optional<std::string> AlsaCatalogue::pcmName(int device) {
    auto found = find(device);
    if (!found) return std::nullopt;
    return std::move(found->pcm);
}

// The mixer of a device with its volume control and that control's range.
struct AlsaCatalogue::Volume {
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

std::optional<AlsaCatalogue::Volume> AlsaCatalogue::openVolume(const std::string& mixer) {
    Volume v{openMixer(mixer)};
    v.control = v.mixer ? volumeControl(v.mixer.get()) : nullptr;
    if (!v.control) return std::nullopt;
    snd_mixer_selem_get_playback_volume_range(v.control, &v.low, &v.high);
    return v;
}

bool AlsaCatalogue::volume(int device, std::uint32_t& word) {
    const auto found = find(device);
    if (!found) return false;
    const auto v = openVolume(found->mixer);
    if (!v) {
        const Software& software = software_[found->pcm];
        word = software.volume.word();
        return software.set;
    }
    const long left = v->raw(SND_MIXER_SCHN_FRONT_LEFT);
    const long right = v->raw(SND_MIXER_SCHN_FRONT_RIGHT);
    const auto written = written_.find(found->mixer);
    if (written != written_.end() && written->second.left == left && written->second.right == right)
        word = written->second.word;
    else
        word = v->part(left) | v->part(right) << 16;
    return true;
}

bool AlsaCatalogue::setVolume(int device, std::uint32_t word) {
    const auto found = find(device);
    if (!found) return false;
    Software& software = software_[found->pcm];
    const auto v = openVolume(found->mixer);
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
    if (const auto after = set ? openVolume(found->mixer) : std::nullopt)
        written_[found->mixer] = {word, after->raw(SND_MIXER_SCHN_FRONT_LEFT), after->raw(SND_MIXER_SCHN_FRONT_RIGHT)};
    return set;
}

}  // namespace skycrier
