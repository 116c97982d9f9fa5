// The sequencer and the playback engine together, on a sound output that
// takes each buffer's real time.

#include <gtest/gtest.h>

#include <memory>

#include "announce/playback_engine.h"
#include "support/fake_wave_out.h"
#include "support/sequencer_surroundings.h"
#include "support/temp_dir.h"
#include "support/test_vocabulary.h"
#include "support/trace_recorder.h"

namespace skycrier {
namespace {

class BulletinPlaybackTest : public ::testing::Test, public test::SequencerSurroundings {
protected:
    BulletinPlaybackTest() {
        // 14:05 without the date: "son_it_s", "son2_et", "son5", "son_pm".
        clips.addMs("SON_IT_S", 100);
        clips.addMs("SON2_ET", 100);
        clips.addMs("SON5", 100);
        clips.add("SON_PM", test::clipOfBytes(200'000));  // 4167 ms in three buffers
        port.choosePort("COM1");
    }

    // Builds the engine over the clips added so far and starts a bulletin.
    void start() {
        vocabulary = std::make_unique<Vocabulary>(clips.list());
        engine = std::make_unique<PlaybackEngine>(PlaybackEngine::Parts{loop, out, *vocabulary, status});
        engine->allocateBuffers();
        seq = std::make_unique<Sequencer>(partsWith(*engine));
        recorder = std::make_unique<test::TraceRecorder>(seq->events);
        seq->requestBulletin(BulletinTrigger::Button);
    }

    bool running() const { return seq->bulletinRunning(); }

    std::string trace() const {
        std::string text;
        for (const auto& l : recorder->lines) text += l + '\n';
        return text;
    }

    test::FakeWaveOut out{loop};
    test::TestClips clips;
    test::TempDir dir;
    std::unique_ptr<Vocabulary> vocabulary;
    std::unique_ptr<PlaybackEngine> engine;
    std::unique_ptr<Sequencer> seq;
    std::unique_ptr<test::TraceRecorder> recorder;
};

TEST_F(BulletinPlaybackTest, ABulletinEndsOnlyWhenItsLastSoundHasBeenHeard) {
    start();
    // Keying 300 ms and the pause before the time 300 ms, three 100-ms words and
    // the 4167-ms part of day, each sound followed by the 5-ms pause after closing.
    const Millis end = 300 + 300 + 3 * (100 + 5) + 4167 + 5;
    loop.advance(end - 1);
    EXPECT_TRUE(running());
    EXPECT_TRUE(line.raised(SerialPin::DTR));
    loop.advance(1);
    EXPECT_FALSE(running());
    EXPECT_FALSE(line.raised(SerialPin::DTR));
    EXPECT_EQ(trace(),
              "key DTR\nkey RTS\nwait 300\nwait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "unkey DTR\nunkey RTS\ndone\n");
    EXPECT_EQ(out.playedBytes.size(), 3 * 4800 + 200'000u);
    EXPECT_EQ(status.statusText(), "SKYCRIER DONE");
}

TEST_F(BulletinPlaybackTest, AWordMissingFromTheVocabularyEndsTheBulletinThere) {
    clips = {};
    clips.addMs("SON_IT_S", 100);
    clips.addMs("SON2_ET", 100);
    start();
    loop.advance(10'000);
    EXPECT_EQ(trace(),
              "key DTR\nkey RTS\nwait 300\nwait 300\nplay son_it_s\nplay son2_et\nplay son5\nunkey DTR\nunkey RTS\n"
              "abort Error: Res Wave\n");
    EXPECT_FALSE(running());
    EXPECT_EQ(status.statusText(), "Error: Res Wave");
    EXPECT_TRUE(status.announceEnabled());
}

TEST_F(BulletinPlaybackTest, ARefillFailureCutsTheSoundShortAndTheBulletinGoesOn) {
    out.failAt["prepare"] = 6;  // the refill of "son_pm", after four sounds' first buffers and its second
    start();
    loop.advanceUntil([&] { return !running(); }, 60'000);
    EXPECT_EQ(trace(),
              "key DTR\nkey RTS\nwait 300\nwait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "unkey DTR\nunkey RTS\ndone\n");
    EXPECT_EQ(out.playedBytes.size(), 3 * 4800 + 2 * 88'200u);
}

TEST_F(BulletinPlaybackTest, TheWatchdogLetsAGreetingLongerThanItselfFinish) {
    test::WaveLayout greeting;  // 150 s of 8-bit mono at 8000 Hz
    greeting.bits = 8;
    greeting.rate = 8000;
    greeting.data = std::string(150 * 8000, '\x80');
    settings.playGreeting = true;
    settings.greetingFile = dir.write("long.wav", test::waveBytes(greeting));
    clips.addMs("SON7", 100);  // the time is told after the greeting: 14:07
    start();
    loop.advance(Sequencer::kWatchdogMs + 1000);
    EXPECT_TRUE(running());
    loop.advanceUntil([&] { return !running(); }, 60'000);
    EXPECT_EQ(trace(), "key DTR\nkey RTS\nwait 300\nplay-file " + settings.greetingFile +
                               "\nwait 300\nplay son_it_s\nplay son2_et\nplay son7\nplay son_pm\nunkey DTR\n"
                               "unkey RTS\ndone\n");
}

TEST_F(BulletinPlaybackTest, TheWatchdogEndsABulletinWhoseOutputHasHung) {
    out.stuck = true;
    start();
    loop.advance(Sequencer::kWatchdogMs - 1);
    EXPECT_TRUE(running());
    EXPECT_TRUE(engine->playing());
    loop.advance(1);
    EXPECT_FALSE(line.raised(SerialPin::DTR));
    EXPECT_EQ(trace(), "key DTR\nkey RTS\nwait 300\nwait 300\nplay son_it_s\nunkey DTR\nunkey RTS\n"
                           "abort SKYCRIER SONANDO\n");
    loop.advance(1000);
    EXPECT_FALSE(running());
    EXPECT_FALSE(engine->playing());
}

}  // namespace
}  // namespace skycrier
