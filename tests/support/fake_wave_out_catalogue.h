#pragma once
// The installed outputs for engine tests: names as given, a volume word per
// device that has one, and every volume write recorded.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/wave_out.h"

namespace skycrier::test {

class FakeWaveOutCatalogue : public WaveOutCatalogue {
public:
    std::vector<std::optional<std::string>> deviceNames() override { return names; }
    bool volume(int device, std::uint32_t& word) override {
        const auto found = words.find(device);
        if (found == words.end()) return false;
        word = found->second;
        return true;
    }
    bool setVolume(int device, std::uint32_t word) override {
        writes.emplace_back(device, word);
        if (!words.contains(device)) return false;
        words[device] = word;
        return true;
    }

    // Nothing: a device whose name cannot be read.
    std::vector<std::optional<std::string>> names;
    // The devices whose volume can be read and written.
    std::map<int, std::uint32_t> words{{kDefaultOutputDevice, 0xFFFFFFFF}};
    std::vector<std::pair<int, std::uint32_t>> writes;
};

}  // namespace skycrier::test
