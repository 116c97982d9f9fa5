#include "platform/wave_file_sink.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/virtual_loop.h"
#include "support/temp_dir.h"
#include "support/wave_bytes.h"

namespace skycrier {
namespace {

PcmFormat pcm(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    PcmFormat f;
    f.channels = channels;
    f.samplesPerSecond = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    f.averageBytesPerSecond = rate * f.blockAlign;
    return f;
}

std::string le16s(std::initializer_list<int> samples) {
    std::string out;
    for (const int s : samples) test::putLe16(out, static_cast<std::uint16_t>(s));
    return out;
}

class WaveFileSinkTest : public ::testing::Test {
protected:
    // Plays the bytes as one sound in buffers of at most chunk bytes; returns when its last buffer came back.
    Millis play(const PcmFormat& format, const std::string& bytes, std::size_t chunk = 88'200) {
        const Millis start = loop.monotonicMs();
        int returned = 0;
        WaveOut::Events events;
        events.done = [&](int) { ++returned; };
        EXPECT_TRUE(sink.open(OutputDevice{}, format, std::move(events)));
        int queued = 0;
        for (std::size_t at = 0; at < bytes.size() || queued == 0; at += chunk) {
            const int buffer = queued % 2;
            const std::size_t size = std::min(chunk, bytes.size() - at);
            sink.prepare(buffer);
            sink.write(buffer, reinterpret_cast<const std::uint8_t*>(bytes.data()) + at, size);
            ++queued;
        }
        loop.advanceUntil([&] { return returned == queued; }, 3'600'000);
        const Millis took = loop.monotonicMs() - start;
        EXPECT_TRUE(sink.close());
        return took;
    }

    // The samples of the saved file, as little-endian bytes.
    std::string saved() {
        std::string error;
        const auto path = (dir.path() / "out.wav").string();
        EXPECT_TRUE(sink.save(path, error)) << error;
        std::ifstream in(path, std::ios::binary);
        const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // 16-bit mono at 24 000 Hz, with both sizes right.
        const std::string header = test::waveBytes({});
        EXPECT_EQ(file.substr(0, 4), "RIFF");
        EXPECT_EQ(file.substr(8, 32), header.substr(8, 32));
        std::string sizes;
        test::putLe32(sizes, static_cast<std::uint32_t>(file.size() - 8));
        EXPECT_EQ(file.substr(4, 4), sizes);
        sizes.clear();
        test::putLe32(sizes, static_cast<std::uint32_t>(file.size() - 44));
        EXPECT_EQ(file.substr(40, 4), sizes);
        return file.substr(44);
    }

    VirtualLoop loop;
    WaveFileSink sink{loop};
    test::TempDir dir;
};

TEST_F(WaveFileSinkTest, TheOutputFormatIsCopiedExactlyAndTakesItsOwnTime) {
    const std::string samples = test::sampleBytes(200'000);
    EXPECT_EQ(play(pcm(1, 24000, 16), samples), 4167);
    sink.addSilence(300);
    EXPECT_EQ(play(pcm(1, 24000, 16), samples.substr(0, 4800)), 100);
    EXPECT_EQ(saved(), samples + std::string(300 * 48, '\0') + samples.substr(0, 4800));
}

TEST_F(WaveFileSinkTest, OtherLayoutsAreMixedScaledAndResampled) {
    // 8-bit stereo at 12 000 Hz: channels averaged, scaled to 16 bits, two output samples per frame.
    play(pcm(2, 12000, 8), std::string("\x80\x80\xC0\x80\xFF\x01", 6));
    EXPECT_EQ(saved(), le16s({0, 4096, 8192, 4096, 0, 0}));
}

TEST_F(WaveFileSinkTest, ResamplingIsLinearAndContinuesAcrossBuffers) {
    const std::string ramp = le16s({0, 1000, 2000, 3000});
    play(pcm(1, 16000, 16), ramp, 3);  // buffers split inside a sample
    // Output sample j lies at input position 2j/3; the last ones hold the last input.
    EXPECT_EQ(saved(), le16s({0, 666, 1333, 2000, 2666, 3000}));
    EXPECT_EQ(PcmConverter::outputFrames(4, 16000), 6u);
    EXPECT_EQ(PcmConverter::outputFrames(5, 16000), 8u);
    EXPECT_EQ(PcmConverter::outputFrames(5, 48000), 3u);
}

TEST_F(WaveFileSinkTest, DownsampledStereoAndWideSamples) {
    play(pcm(2, 48000, 16), le16s({100, 300, -100, -300, 500, 700, 0, 0}));
    sink.addSilence(1);
    play(pcm(1, 24000, 24), std::string("\x00\x34\x12\xFF\xFF\xFF", 6));
    play(pcm(1, 24000, 32), std::string("\x00\x00\x34\x12", 4));
    EXPECT_EQ(saved(), le16s({200, 600}) + std::string(48, '\0') + le16s({0x1234, -1, 0x1234}));
}

TEST_F(WaveFileSinkTest, FormatsItCannotPlayAreRefused) {
    PcmFormat twelveBits = pcm(1, 24000, 16);
    twelveBits.bitsPerSample = 12;
    PcmFormat noRate = pcm(1, 24000, 16);
    noRate.samplesPerSecond = 0;
    PcmFormat badAlign = pcm(2, 24000, 16);
    badAlign.blockAlign = 2;
    // No speech is recorded below 8 000 or above 384 000 frames per second.
    for (const PcmFormat& f : {twelveBits, noRate, badAlign, pcm(1, 1, 8), pcm(1, 7999, 16), pcm(2, 384'001, 16)})
        EXPECT_FALSE(sink.open(OutputDevice{}, f, {})) << f.samplesPerSecond;
    for (const PcmFormat& f : {pcm(1, 8000, 8), pcm(2, 384'000, 32)}) {
        EXPECT_TRUE(sink.open(OutputDevice{}, f, {})) << f.samplesPerSecond;
        EXPECT_TRUE(sink.close());
    }

    std::string error;
    EXPECT_FALSE(sink.save((dir.path() / "no-such-folder" / "out.wav").string(), error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos);
}

TEST_F(WaveFileSinkTest, AResetReturnsQueuedBuffersUnplayed) {
    std::vector<int> returned;
    WaveOut::Events events;
    events.done = [&](int buffer) { returned.push_back(buffer); };
    const std::string samples = test::sampleBytes(96'000);
    ASSERT_TRUE(sink.open(OutputDevice{}, pcm(1, 24000, 16), std::move(events)));
    for (int b = 0; b < 2; ++b) {
        sink.prepare(b);
        sink.write(b, reinterpret_cast<const std::uint8_t*>(samples.data()) + b * 48'000, 48'000);
    }
    EXPECT_FALSE(sink.close());  // still playing
    loop.advance(1000);
    EXPECT_TRUE(sink.reset());
    loop.runPending();
    EXPECT_EQ(returned, (std::vector<int>{0, 1}));
    EXPECT_TRUE(sink.close());
    EXPECT_EQ(sink.sampleCount(), 24'000u);
}

}  // namespace
}  // namespace skycrier
