#pragma once
// Turns a PCM stream of any playable layout into 16-bit mono at 24 000
// samples per second: channels are averaged, samples scaled to 16 bits, and
// the rate changed by linear interpolation. n input frames give exactly
// outputFrames(n, rate) output samples.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/wave_out.h"

namespace skycrier {

class PcmConverter {
public:
    static constexpr std::uint32_t kOutputRate = 24'000;

    // The format must be playable (isPlayablePcm).
    explicit PcmConverter(const PcmFormat& format);

    // Converts the next bytes of the stream; a frame split between calls is kept for the next one.
    void feed(const std::uint8_t* data, std::size_t size, std::vector<std::int16_t>& out);
    // The stream has ended: writes the samples still owed.
    void finish(std::vector<std::int16_t>& out);

    static std::uint64_t outputFrames(std::uint64_t inputFrames, std::uint32_t inputRate);

private:
    int monoSample(const std::uint8_t* frame) const;
    int channelSample(const std::uint8_t* sample) const;
    void push(int sample, std::vector<std::int16_t>& out);

    PcmFormat format_;
    std::vector<std::uint8_t> partial_;
    std::uint64_t inputFrames_ = 0;
    std::uint64_t outputFrames_ = 0;
    int previous_ = 0;
};

}  // namespace skycrier
