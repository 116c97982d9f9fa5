// The volume an output without a mixer control gets: its samples scaled per
// channel, in every layout the outputs play.

#include "platform/software_volume.h"

#include <gtest/gtest.h>

#include <vector>

namespace skycrier {
namespace {

PcmFormat layout(std::uint16_t channels, std::uint16_t bits) {
    PcmFormat f;
    f.channels = channels;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    f.averageBytesPerSecond = f.samplesPerSecond * f.blockAlign;
    return f;
}

TEST(SoftwareVolume, EachChannelIsScaledByItsHalfOfTheWord) {
    const struct {
        const char* what;
        PcmFormat format;
        std::uint32_t word;
        std::vector<std::uint8_t> in, out;
    } cases[] = {
        {"16-bit stereo, left half, right silent", layout(2, 16), 0x00008000,
         {0x00, 0x40, 0x00, 0x40, 0x00, 0xC0, 0xFF, 0x7F}, {0x00, 0x20, 0x00, 0x00, 0x00, 0xE0, 0x00, 0x00}},
        {"full volume leaves the bytes", layout(2, 16), kFullVolume, {0x34, 0x12, 0xCD, 0xAB}, {0x34, 0x12, 0xCD, 0xAB}},
        {"8-bit unsigned around 128", layout(1, 8), 0x80008000, {0x00, 0x80, 0xFF}, {0x40, 0x80, 0xBF}},
        {"mono takes the louder half", layout(1, 16), 0x8000FFFF, {0x00, 0x40}, {0x00, 0x40}},
        {"24-bit negative, toward zero", layout(1, 24), 0x80008000, {0x00, 0x00, 0x80}, {0xC0, 0xFF, 0xBF}},
        {"32-bit", layout(2, 32), 0x00000000, {1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"a split frame at the end is left", layout(2, 16), 0x00000000, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10},
         {0, 0, 0, 0, 0x10, 0x10}},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes = c.in;
        applyVolume(bytes.data(), bytes.size(), c.format, c.word);
        EXPECT_EQ(bytes, c.out) << c.what;
    }
}

}  // namespace
}  // namespace skycrier
