// Objects that come and go while the loop runs on (a window closed, a source
// or a sound output replaced): nothing they scheduled runs after them.
// AddressSanitizer watches the memory; the counts watch the behaviour.

#include <gtest/gtest.h>

#include <memory>

#include "announce/playback_engine.h"
#include "support/fake_wave_out.h"
#include "support/sequencer_surroundings.h"
#include "support/test_vocabulary.h"

namespace skycrier {
namespace {

struct SequencerRig : test::SequencerSurroundings {
    SequencerRig() : SequencerSurroundings(0.0) {
        port.choosePort("COM1");
        seq->setChannelLink(&link);
    }

    test::FakePlayer player{loop, 1000};
    test::RecordingLink link;
    std::unique_ptr<Sequencer> seq = std::make_unique<Sequencer>(partsWith(player));
};

TEST(Lifetime, ASequencerGoneMidBulletinOrJustAfterItLeavesNothingBehind) {
    const struct {
        const char* when;
        Millis after;
    } cases[] = {
        {"in the keying silence", 100},
        {"while a word plays", 900},
        {"in the second after the end", 4'000},
        {"in the second after an abort", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        SequencerRig r;
        r.seq->requestBulletin(BulletinTrigger::Button);
        if (c.after == 0) {
            r.seq->stopNow("Err: stopped");
            r.seq->abortRoutine();
        }
        r.loop.advance(c.after);
        r.seq.reset();
        r.loop.advance(200'000);
        EXPECT_TRUE(r.link.sent.empty());
        EXPECT_EQ(r.link.reconnects, 0);
        EXPECT_FALSE(r.line.raised(SerialPin::DTR));
        EXPECT_FALSE(r.line.raised(SerialPin::RTS));
    }
}

struct EngineRig {
    EngineRig() { engine->allocateBuffers(); }

    static test::TestClips longClip() {
        test::TestClips clips;
        clips.add("SON_LONG", test::clipOfBytes(200'000));
        return clips;
    }

    VirtualLoop loop;
    test::TestClips clips = longClip();
    Vocabulary vocabulary{clips.list()};
    StatusBoard status;
    std::unique_ptr<test::FakeWaveOut> out = std::make_unique<test::FakeWaveOut>(loop);
    std::unique_ptr<PlaybackEngine> engine =
        std::make_unique<PlaybackEngine>(PlaybackEngine::Parts{loop, *out, vocabulary, status});
    int finished = 0;
    Subscription counted = engine->finished.connect([this] { ++finished; });
};

// An engine that goes while its output still plays stops the output first,
// for the output holds the engine's buffers.
TEST(Lifetime, AnEngineGoneMidSoundStopsItsOutputAndHearsNothingMore) {
    EngineRig r;
    r.engine->playResource("son_long");
    r.loop.advance(1000);
    ASSERT_TRUE(r.engine->playing());
    r.engine.reset();
    EXPECT_EQ(r.out->calls.back(), "close");
    r.loop.advance(10'000);
    EXPECT_EQ(r.finished, 0);
}

TEST(Lifetime, AnOutputGoneWithItsEventsQueuedDeliversNone) {
    VirtualLoop loop;
    int events = 0;
    WaveOut::Events counting{[&] { ++events; }, [&](int) { ++events; }, {}};
    auto out = std::make_unique<TimedWaveOut>(loop);
    static const std::uint8_t bytes[4800] = {};
    ASSERT_TRUE(out->open(OutputDevice{}, PcmFormat{}, counting));  // posts "opened"
    ASSERT_TRUE(out->prepare(0));
    ASSERT_TRUE(out->write(0, bytes, sizeof bytes));  // schedules "done"
    out.reset();
    loop.advance(1000);
    EXPECT_EQ(events, 0);
}

}  // namespace
}  // namespace skycrier
