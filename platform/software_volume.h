#pragma once
// A volume applied to the samples themselves, for an output whose card has no
// mixer control to set (many USB and HDMI outputs). The word is the one the
// volume control writes: low 16 bits the left channel, high 16 bits the
// right, each 0..65535 scaling the amplitude linearly.
//
// Threading: set and read from any thread; the sound thread reads the word
// before each buffer it plays.

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/wave_out.h"

namespace skycrier {

inline constexpr std::uint32_t kFullVolume = 0xFFFFFFFF;

class SoftwareVolume {
public:
    void set(std::uint32_t word) { word_.store(word, std::memory_order_relaxed); }
    std::uint32_t word() const { return word_.load(std::memory_order_relaxed); }

private:
    std::atomic<std::uint32_t> word_{kFullVolume};
};

// Scales whole frames of a playable PCM layout in place: the first channel by
// the word's left half, the second by its right half. A mono sound has no
// sides to balance and takes the louder half, the level the slider shows.
void applyVolume(std::uint8_t* frames, std::size_t size, const PcmFormat& format, std::uint32_t word);

}  // namespace skycrier
