// The real ALSA library, on a configuration whose default PCM writes the
// frames it is given into a file (over the null device), so that what comes
// out of the sound path can be compared byte for byte.

#include "platform/alsa_wave_out.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "announce/playback_engine.h"
#include "platform/poll_loop.h"
#include "platform/software_volume.h"
#include "support/poll_loop.h"
#include "support/temp_dir.h"
#include "support/test_vocabulary.h"

namespace skycrier {
namespace {

class AlsaWaveOutTest : public ::testing::Test {
protected:
    AlsaWaveOutTest() {
        const std::string config = dir.write("asound.conf",
                                             "pcm.!default {\n"
                                             "  type file\n"
                                             "  slave.pcm { type null }\n"
                                             "  file \"" + output().string() + "\"\n"
                                             "  format \"raw\"\n"
                                             "}\n");
        // Read again by ALSA whenever it changes, so each test gets its own file.
        ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    }
    ~AlsaWaveOutTest() override { ::unsetenv("ALSA_CONFIG_PATH"); }

    std::filesystem::path output() const { return dir.path() / "played.raw"; }

    std::string played() const {
        std::ifstream in(output(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Plays the clips one after the other through the engine at a volume, then closes the card.
    std::string playThroughEngine(const std::vector<std::string>& names, std::uint32_t volume = kFullVolume) {
        Vocabulary vocabulary(clips.list());
        {
            const auto pollLoop = test::newPollLoop();
            PollLoop& loop = *pollLoop;
            AlsaCatalogue catalogue;
            EXPECT_TRUE(catalogue.setVolume(kDefaultOutputDevice, volume));
            AlsaWaveOut out(loop, catalogue);
            StatusBoard status;
            PlaybackEngine engine({loop, out, vocabulary, status});
            engine.allocateBuffers();
            std::size_t next = 0;
            const Subscription finished = engine.finished.connect([&] {
                if (++next < names.size()) engine.playResource(names[next]);
            });
            const Subscription failed = engine.failed.connect([&] { loop.quit(); });
            engine.playResource(names[0]);
            loop.callAfter(20'000, [&] { loop.quit(); });
            loop.runUntil([&] { return next == names.size(); });
            EXPECT_EQ(next, names.size()) << status.EditData();
        }
        return played();
    }

    test::TempDir dir;
    test::TestClips clips;
};

// Two sounds in one format share the open PCM: opened again, the file would start anew.
TEST_F(AlsaWaveOutTest, TheClipsDataComesOutOfTheCardByteForByte) {
    clips.add("SON_LONG", test::clipOfBytes(200'000, 7));  // both buffers and a refill
    clips.add("SON_SHORT", test::clipOfBytes(4'800, 8));
    test::WaveLayout stereo;
    stereo.channels = 2;
    stereo.bits = 8;
    stereo.rate = 8000;
    stereo.data = test::sampleBytes(8'000, 9);
    clips.add("SON_STEREO", test::waveBytes(stereo));

    Vocabulary vocabulary(clips.list());
    const auto data = [&](const char* name) {
        const auto clip = vocabulary.find(name);
        return std::string(clip->begin() + 44, clip->end());
    };
    EXPECT_EQ(playThroughEngine({"son_long", "son_short"}), data("son_long") + data("son_short"));
    EXPECT_EQ(playThroughEngine({"son_stereo"}), data("son_stereo"));
}

// The default output here has no mixer: the volume goes into the samples,
// and reads back as it was set (nothing before it is set).
TEST_F(AlsaWaveOutTest, AnOutputWithoutAMixerControlIsTurnedDownInItsSamples) {
    test::WaveLayout stereo;
    stereo.channels = 2;
    stereo.rate = 8000;
    stereo.data = test::sampleBytes(32'000, 5);
    clips.add("SON_STEREO", test::waveBytes(stereo));
    constexpr std::uint32_t kVolume = 0x4000C000;
    std::string expected = stereo.data;
    PcmFormat format;
    format.channels = 2;
    format.blockAlign = 4;
    applyVolume(reinterpret_cast<std::uint8_t*>(expected.data()), expected.size(), format, kVolume);
    EXPECT_EQ(playThroughEngine({"son_stereo"}, kVolume), expected);

    AlsaCatalogue catalogue;
    std::uint32_t word = 0;
    EXPECT_FALSE(catalogue.volume(kDefaultOutputDevice, word));
    ASSERT_TRUE(catalogue.setVolume(kDefaultOutputDevice, kVolume));
    ASSERT_TRUE(catalogue.volume(kDefaultOutputDevice, word));
    EXPECT_EQ(word, kVolume);
}

TEST_F(AlsaWaveOutTest, WhatCannotBeOpenedIsRefused) {
    const auto pollLoop = test::newPollLoop();
    PollLoop& loop = *pollLoop;
    AlsaCatalogue catalogue;
    AlsaWaveOut out(loop, catalogue);
    PcmFormat twelveBits;
    twelveBits.bitsPerSample = 12;
    EXPECT_FALSE(out.open(kDefaultOutputDevice, twelveBits, {}));
    // This machine's configuration has no hardware devices and no mixer.
    const int past = static_cast<int>(catalogue.deviceNames().size());
    EXPECT_FALSE(out.open(past, PcmFormat{}, {}));
    EXPECT_FALSE(catalogue.pcmName(past));
    EXPECT_EQ(catalogue.pcmName(kDefaultOutputDevice), "default");
    std::uint32_t word = 0;
    EXPECT_FALSE(catalogue.volume(past, word));
    EXPECT_FALSE(catalogue.setVolume(past, 0xFFFFFFFF));

    // Calls out of turn fail instead of touching the card.
    EXPECT_FALSE(out.prepare(0));
    EXPECT_FALSE(out.reset());
    EXPECT_FALSE(out.close());
    ASSERT_TRUE(out.open(kDefaultOutputDevice, PcmFormat{}, {}));
    EXPECT_FALSE(out.open(kDefaultOutputDevice, PcmFormat{}, {}));
    const std::uint8_t bytes[4] = {};
    EXPECT_FALSE(out.write(0, bytes, sizeof bytes));  // not prepared
    EXPECT_FALSE(out.prepare(2));
    EXPECT_TRUE(out.close());
}

// A card replaced while its sound thread has events on their way to the loop:
// they are dropped with it.
TEST_F(AlsaWaveOutTest, AnOutputGoneWithEventsOnTheirWayDeliversNone) {
    const auto loop = test::newPollLoop();
    AlsaCatalogue catalogue;
    int events = 0;
    auto out = std::make_unique<AlsaWaveOut>(*loop, catalogue);
    static const std::uint8_t bytes[480] = {};
    ASSERT_TRUE(out->open(kDefaultOutputDevice, PcmFormat{}, {[&] { ++events; }, [&](int) { ++events; }}));
    ASSERT_TRUE(out->prepare(0));
    ASSERT_TRUE(out->write(0, bytes, sizeof bytes));
    // Time for the sound thread to play the buffer and post its return.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    out.reset();
    loop->callAfter(100, [&] { loop->quit(); });
    loop->run();
    EXPECT_EQ(events, 0);
}

}  // namespace
}  // namespace skycrier
