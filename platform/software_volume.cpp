#include "platform/software_volume.h"

#include <algorithm>

namespace skycrier {
namespace {

constexpr std::int64_t kUnity = 0xFFFF;

std::int64_t readSample(const std::uint8_t* p, int bytes) {
    switch (bytes) {
    case 1: return p[0] - 128;
    case 2: return static_cast<std::int16_t>(p[0] | p[1] << 8);
    case 3: return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) << 8) >> 8;
    default: return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
    }
}

void writeSample(std::uint8_t* p, int bytes, std::int64_t value) {
    if (bytes == 1) {
        p[0] = static_cast<std::uint8_t>(value + 128);
        return;
    }
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

}  // namespace

void applyVolume(std::uint8_t* frames, std::size_t size, const PcmFormat& format, std::uint32_t word) {
    const std::int64_t left = word & 0xFFFF;
    const std::int64_t right = word >> 16;
    const std::int64_t gains[2] = {format.channels == 1 ? std::max(left, right) : left, right};
    if (gains[0] == kUnity && (format.channels == 1 || gains[1] == kUnity)) return;
    const int bytes = format.bitsPerSample / 8;
    const std::size_t frameBytes = format.blockAlign;
    for (std::size_t at = 0; at + frameBytes <= size; at += frameBytes)
        for (int channel = 0; channel < format.channels; ++channel) {
            std::uint8_t* sample = frames + at + static_cast<std::size_t>(channel * bytes);
            // Toward zero, so that a quieter sound never gains a step.
            writeSample(sample, bytes, readSample(sample, bytes) * gains[channel] / kUnity);
        }
}

}  // namespace skycrier
