// The real ALSA library, on a configuration whose default PCM writes the
// frames it is given into a file (over the null device), so that what comes
// out of the sound path can be compared sample for sample.

#include "platform/alsa_wave_out.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "announce/playback_engine.h"
#include "announce/wave_reader.h"
#include "platform/poll_loop.h"
#include "platform/software_volume.h"
#include "support/poll_loop.h"
#include "support/stream_samples.h"
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

    std::vector<std::int16_t> heard() const {
        std::ifstream in(output(), std::ios::binary);
        return test::streamLeftChannel({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    }

    // What the stream should carry of a clip: its samples in the stream's format.
    std::vector<std::int16_t> streamSamples(const std::string& name, std::uint32_t volume = kFullVolume) {
        Vocabulary vocabulary(clips.list());
        WaveInfo info;
        std::vector<std::uint8_t> data;
        MemorySource source(*vocabulary.find(name));
        EXPECT_EQ(readWave(source, info, data), PlayError::None);
        applyVolume(data.data(), data.size(), info.format, volume);
        return test::inStreamFormat(info.format, data);
    }

    // Plays the clips as one bulletin through the engine: the stream is held
    // from the first and drained after the last, as the sequencer does.
    void playBulletin(const std::vector<std::string>& names, std::uint32_t volume = kFullVolume) {
        Vocabulary vocabulary(clips.list());
        const auto pollLoop = test::newPollLoop();
        PollLoop& loop = *pollLoop;
        AlsaCatalogue catalogue;
        EXPECT_TRUE(catalogue.setVolume(OutputDevice{}, volume));
        AlsaWaveOut out(loop, catalogue);
        StatusBoard status;
        PlaybackEngine engine({loop, out, vocabulary, status});
        engine.allocateBuffers();
        bool drained = false;
        std::size_t next = 0;
        const Subscription finished = engine.finished.connect([&] {
            if (++next < names.size())
                engine.playResource(names[next]);
            else
                engine.drainOutput([&] { drained = true; });
        });
        const Subscription failed = engine.failed.connect([&] { loop.quit(); });
        engine.holdOutput();
        engine.playResource(names[0]);
        loop.callAfter(20'000, [&] { loop.quit(); });
        loop.runUntil([&] { return drained; });
        EXPECT_TRUE(drained) << status.statusText();
    }

    test::TempDir dir;
    test::TestClips clips;
};

// A greeting in another format (8-bit stereo at 8000 Hz) joins the clips in
// the stream's format, converted as it is written; a clip longer than both
// transfer buffers comes out whole.
TEST_F(AlsaWaveOutTest, ABulletinIsOneStreamOfItsSoundsInTheirOrder) {
    test::WaveLayout greeting;
    greeting.channels = 2;
    greeting.bits = 8;
    greeting.rate = 8000;
    greeting.data = test::sampleBytes(8'000, 9);
    clips.add("SON_GREETING", test::waveBytes(greeting));
    clips.add("SON_LONG", test::clipOfBytes(200'000, 7));
    clips.add("SON_SHORT", test::clipOfBytes(4'800, 8));

    playBulletin({"son_greeting", "son_long", "son_short"});
    test::expectSoundsInSilence(heard(), {streamSamples("son_greeting"), streamSamples("son_long"), streamSamples("son_short")});
}

// The default output here has no mixer: the volume goes into the samples,
// and reads back as it was set (nothing before it is set).
TEST_F(AlsaWaveOutTest, AnOutputWithoutAMixerControlIsTurnedDownInItsSamples) {
    clips.add("SON_CLIP", test::clipOfBytes(32'000, 5));
    constexpr std::uint32_t kVolume = 0x40004000;
    playBulletin({"son_clip"}, kVolume);
    test::expectSoundsInSilence(heard(), {streamSamples("son_clip", kVolume)});

    AlsaCatalogue catalogue;
    std::uint32_t word = 0;
    EXPECT_FALSE(catalogue.volume(OutputDevice{}, word));
    ASSERT_TRUE(catalogue.setVolume(OutputDevice{}, kVolume));
    ASSERT_TRUE(catalogue.volume(OutputDevice{}, word));
    EXPECT_EQ(word, kVolume);
}

TEST_F(AlsaWaveOutTest, WhatCannotBeOpenedIsRefused) {
    const auto pollLoop = test::newPollLoop();
    PollLoop& loop = *pollLoop;
    AlsaCatalogue catalogue;
    AlsaWaveOut out(loop, catalogue);
    PcmFormat twelveBits;
    twelveBits.bitsPerSample = 12;
    EXPECT_FALSE(out.open(OutputDevice{}, twelveBits, {}));
    // This machine's configuration has no hardware devices and no mixer.
    const int past = static_cast<int>(catalogue.outputs().size());
    EXPECT_FALSE(out.open(OutputDevice{past}, PcmFormat{}, {}));
    EXPECT_FALSE(catalogue.pcmName(OutputDevice{past}));
    EXPECT_EQ(catalogue.pcmName(OutputDevice{}), "default");
    std::uint32_t word = 0;
    EXPECT_FALSE(catalogue.volume(OutputDevice{past}, word));
    EXPECT_FALSE(catalogue.setVolume(OutputDevice{past}, 0xFFFFFFFF));

    // Calls out of turn fail instead of touching the card.
    EXPECT_FALSE(out.prepare(0));
    EXPECT_FALSE(out.reset());
    EXPECT_FALSE(out.close());
    ASSERT_TRUE(out.open(OutputDevice{}, PcmFormat{}, {}));
    EXPECT_FALSE(out.open(OutputDevice{}, PcmFormat{}, {}));
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
    ASSERT_TRUE(out->open(OutputDevice{}, PcmFormat{}, {[&] { ++events; }, [&](int) { ++events; }, {}}));
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
