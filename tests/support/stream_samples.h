#pragma once
// What a sound stream written to a file (ALSA's file plugin) holds: 16-bit
// stereo frames at 24 000 Hz, both channels the same, the sounds in the
// stream's format with silence between them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/pcm_converter.h"
#include "platform/wave_out.h"

namespace skycrier::test {

// The left channel of the stream's bytes; the right one must be the same.
inline std::vector<std::int16_t> streamLeftChannel(const std::string& bytes) {
    const auto sample = [&](std::size_t at) {
        return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                         static_cast<unsigned char>(bytes[at + 1]) << 8);
    };
    std::vector<std::int16_t> left;
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        EXPECT_EQ(sample(i), sample(i + 2)) << "frame " << i / 4;
        left.push_back(sample(i));
    }
    return left;
}

// A sound's sample data as the stream carries it.
inline std::vector<std::int16_t> inStreamFormat(const PcmFormat& format, std::span<const std::uint8_t> data) {
    PcmConverter converter(format);
    std::vector<std::int16_t> samples;
    converter.feed(data.data(), data.size(), samples);
    converter.finish(samples);
    return samples;
}

// The stream holds each sound's samples whole and in order, with nothing but
// silence around them.
inline void expectSoundsInSilence(const std::vector<std::int16_t>& stream,
                                  const std::vector<std::vector<std::int16_t>>& sounds) {
    const auto silent = [](std::int16_t s) { return s == 0; };
    auto at = stream.begin();
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const auto found = std::search(at, stream.end(), sounds[i].begin(), sounds[i].end());
        ASSERT_NE(found, stream.end()) << "sound " << i << " is not in the stream whole";
        EXPECT_TRUE(std::all_of(at, found, silent)) << "before sound " << i;
        at = found + static_cast<std::ptrdiff_t>(sounds[i].size());
    }
    EXPECT_TRUE(std::all_of(at, stream.end(), silent)) << "after the last sound";
}

}  // namespace skycrier::test
