#pragma once
// Which PCM layouts the sound outputs can play: 8, 16, 24 or 32 bits per
// sample, one or two channels, interleaved frames of channels x bytes, and
// 8 000 to 384 000 frames per second. Rates outside that range are no speech
// recording's (telephone speech is 8 000 Hz, the fastest card rate 384 000),
// and a lower one would let a small file stand for hours of sound.

#include <cstdint>

#include "platform/wave_out.h"

namespace skycrier {

inline constexpr std::uint32_t kMinimumPcmRate = 8'000;
inline constexpr std::uint32_t kMaximumPcmRate = 384'000;

bool isPlayablePcm(const PcmFormat& format);

}  // namespace skycrier
