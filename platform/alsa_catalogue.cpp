#include "platform/alsa_catalogue.h"

#include <alsa/asoundlib.h>

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
        if (snd_ctl_card_info(ctl, cardInfo) < 0) {
            snd_ctl_close(ctl);
            continue;
        }
        const std::string cardId = snd_ctl_card_info_get_id(cardInfo);
        const std::string cardName = snd_ctl_card_info_get_name(cardInfo);
        int device = -1;
        while (snd_ctl_pcm_next_device(ctl, &device) == 0 && device >= 0) {
            snd_pcm_info_t* info = nullptr;
            snd_pcm_info_alloca(&info);
            snd_pcm_info_set_device(info, static_cast<unsigned>(device));
            snd_pcm_info_set_subdevice(info, 0);
            snd_pcm_info_set_stream(info, SND_PCM_STREAM_PLAYBACK);
            if (snd_ctl_pcm_info(ctl, info) < 0) continue;
            found.push_back({cardName + ": " + snd_pcm_info_get_name(info),
                             "plughw:CARD=" + cardId + ",DEV=" + std::to_string(device), ctlName});
        }
        snd_ctl_close(ctl);
    }
    return found;
}

std::vector<std::string> AlsaCatalogue::deviceNames() {
    std::vector<std::string> names;
    for (const Device& d : devices()) names.push_back(d.name);
    return names;
}

std::optional<std::string> AlsaCatalogue::pcmName(int device) {
    if (device == kDefaultOutputDevice) return kDefaultName;
    const auto all = devices();
    if (device < 0 || static_cast<std::size_t>(device) >= all.size()) return std::nullopt;
    return all[static_cast<std::size_t>(device)].pcm;
}

std::optional<std::string> AlsaCatalogue::mixerName(int device) {
    if (device == kDefaultOutputDevice) return kDefaultName;
    const auto all = devices();
    if (device < 0 || static_cast<std::size_t>(device) >= all.size()) return std::nullopt;
    return all[static_cast<std::size_t>(device)].mixer;
}

// The mixer of a device with its volume control and that control's range.
struct AlsaCatalogue::Volume {
    Mixer mixer;
    snd_mixer_elem_t* control = nullptr;
    long low = 0;
    long high = 0;
};

std::optional<AlsaCatalogue::Volume> AlsaCatalogue::openVolume(int device) {
    const auto name = mixerName(device);
    if (!name) return std::nullopt;
    Volume v{openMixer(*name)};
    v.control = v.mixer ? volumeControl(v.mixer.get()) : nullptr;
    if (!v.control) return std::nullopt;
    snd_mixer_selem_get_playback_volume_range(v.control, &v.low, &v.high);
    return v;
}

bool AlsaCatalogue::volume(int device, std::uint32_t& word) {
    const auto v = openVolume(device);
    if (!v) return false;
    const auto scaled = [&](snd_mixer_selem_channel_id_t channel) -> std::uint32_t {
        long value = v->low;
        if (!snd_mixer_selem_has_playback_channel(v->control, channel)) channel = SND_MIXER_SCHN_FRONT_LEFT;
        snd_mixer_selem_get_playback_volume(v->control, channel, &value);
        if (v->high <= v->low) return 0;
        return static_cast<std::uint32_t>((value - v->low) * 65535 / (v->high - v->low));
    };
    word = scaled(SND_MIXER_SCHN_FRONT_LEFT) | scaled(SND_MIXER_SCHN_FRONT_RIGHT) << 16;
    return true;
}

bool AlsaCatalogue::setVolume(int device, std::uint32_t word) {
    const auto v = openVolume(device);
    if (!v) return false;
    const auto value = [&](std::uint32_t part) {
        return v->low + static_cast<long>((part & 0xFFFF) * (v->high - v->low) / 65535);
    };
    if (snd_mixer_selem_is_playback_mono(v->control))
        return snd_mixer_selem_set_playback_volume_all(v->control, value(word)) == 0;
    return snd_mixer_selem_set_playback_volume(v->control, SND_MIXER_SCHN_FRONT_LEFT, value(word)) == 0 &&
           snd_mixer_selem_set_playback_volume(v->control, SND_MIXER_SCHN_FRONT_RIGHT, value(word >> 16)) == 0;
}

}  // namespace skycrier
