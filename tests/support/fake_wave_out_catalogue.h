#pragma once
// The installed outputs for engine tests: the outputs as given, a volume word
// per output that has one, keyed by the PCM name a device stands for, and
// every volume write recorded.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/wave_out.h"

namespace skycrier::test {

class FakeWaveOutCatalogue : public WaveOutCatalogue {
public:
    std::vector<OutputEntry> outputs() override { return entries; }
    bool volume(const OutputDevice& device, std::uint32_t& word) override {
        const auto found = words.find(pcmOf(device));
        if (found == words.end()) return false;
        word = found->second;
        return true;
    }
    bool setVolume(const OutputDevice& device, std::uint32_t word) override {
        const std::string pcm = pcmOf(device);
        writes.emplace_back(pcm, word);
        if (!words.contains(pcm) && !inSamples.contains(pcm)) return false;
        words[pcm] = word;
        return true;
    }
    VolumeControl volumeControl(const OutputDevice& device) override {
        return inSamples.contains(pcmOf(device)) ? VolumeControl::Samples : VolumeControl::CardMixer;
    }

    // The name, "default" for -1, or the name of the numbered entry; empty for a number with none.
    std::string pcmOf(const OutputDevice& device) const {
        if (!device.name.empty()) return device.name;
        if (device.number == kDefaultOutputDevice) return "default";
        for (const OutputEntry& e : entries)
            if (e.number == device.number) return e.name;
        return {};
    }

    std::vector<OutputEntry> entries;
    // The outputs whose volume can be read and written.
    std::map<std::string, std::uint32_t> words{{"default", 0xFFFFFFFF}};
    // The outputs without a card mixer: their volume is written and then read, never there before.
    std::set<std::string> inSamples;
    std::vector<std::pair<std::string, std::uint32_t>> writes;
};

}  // namespace skycrier::test
