#include "announce/playback_engine.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/virtual_loop.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"
#include "support/test_vocabulary.h"
#include "support/wave_bytes.h"

namespace skycrier {
namespace {

using Calls = std::vector<std::string>;

const Calls kEndOfSound = {"unprepare 0", "unprepare 1", "reset", "close"};

Calls concat(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The engine with its output, vocabulary and status line, counting what it reports.
struct Rig {
    explicit Rig(const test::TestClips& clips) : vocabulary(clips.list()) {
        engine.allocateBuffers();
        engine.setBeep([this] { ++beeps; });
        engine.setPathResolver([this](const std::string& name) { return resolveInDir(name); });
    }

    std::string resolveInDir(const std::string& name) const {
        return name.empty() || name.front() == '/' ? name : (dir.path() / name).string();
    }

    std::string samplesOf(const std::string& name) const {
        const auto clip = vocabulary.find(name);
        return std::string(clip->begin() + 44, clip->end());
    }

    VirtualLoop loop;
    test::FakeWaveOut out{loop};
    Vocabulary vocabulary;
    StatusBoard status;
    PlaybackEngine engine{{loop, out, vocabulary, status}};
    test::TempDir dir;
    int finished = 0;
    int failures = 0;
    int beeps = 0;
    Subscription finishedCount = engine.finished.connect([this] { ++finished; });
    Subscription failureCount = engine.failed.connect([this] { ++failures; });
};

class PlaybackEngineTest : public ::testing::Test {
protected:
    PlaybackEngineTest() {
        clips.addMs("SON0", 100);
        clips.add("SON_LONG", test::clipOfBytes(200'000, 2));      // three buffers
        clips.add("SON_TWO", test::clipOfBytes(2 * 88'200, 3));     // exactly two
        clips.add("SON_FOUR", test::clipOfBytes(4 * 88'200, 4));    // four
        clips.add("SON_EMPTY", test::clipOfBytes(0));
        rig = std::make_unique<Rig>(clips);
    }

    std::string played() const { return {rig->out.playedBytes.begin(), rig->out.playedBytes.end()}; }

    test::TestClips clips;
    std::unique_ptr<Rig> rig;
};

TEST_F(PlaybackEngineTest, AShortSoundPlaysInOneBufferAndEndsAfterItsLength) {
    Rig& r = *rig;
    r.engine.playResource("son0");  // names are looked up in any case
    EXPECT_EQ(r.out.calls, (Calls{"open", "prepare 0", "write 0 4800"}));
    EXPECT_TRUE(r.engine.playing());
    EXPECT_FALSE(r.engine.deviceOpened());  // until the open notification arrives
    r.loop.runPending();
    EXPECT_TRUE(r.engine.deviceOpened());
    EXPECT_EQ(r.out.lastDevice.number, kDefaultOutputDevice);
    EXPECT_EQ(r.out.lastFormat.samplesPerSecond, 24000u);

    r.loop.advance(99);
    EXPECT_EQ(r.out.calls.size(), 3u);
    r.loop.advance(1);
    EXPECT_EQ(r.out.calls, concat({{"open", "prepare 0", "write 0 4800", "unprepare 0"}, kEndOfSound}));
    // The output is closed, and 5 ms later the sound is over.
    EXPECT_TRUE(r.engine.playing());
    EXPECT_EQ(r.finished, 0);
    r.loop.advance(PlaybackEngine::kCloseWaitMs);
    EXPECT_FALSE(r.engine.playing());
    EXPECT_FALSE(r.engine.deviceOpened());
    EXPECT_EQ(r.finished, 1);
    EXPECT_EQ(played(), r.samplesOf("son0"));
    EXPECT_EQ(r.failures, 0);
    EXPECT_EQ(r.status.statusText(), "");
}

TEST_F(PlaybackEngineTest, ALongSoundAlternatesTheTwoBuffers) {
    Rig& r = *rig;
    r.engine.playResource("SON_LONG");
    EXPECT_EQ(r.out.calls, (Calls{"open", "prepare 0", "write 0 88200", "prepare 1", "write 1 88200"}));
    r.loop.advanceUntil([&] { return r.finished > 0; }, 10'000);
    EXPECT_EQ(r.out.calls, concat({{"open", "prepare 0", "write 0 88200", "prepare 1", "write 1 88200", "unprepare 0",
                                    "prepare 0", "write 0 23600", "unprepare 1", "unprepare 0"},
                                   kEndOfSound}));
    EXPECT_EQ(played(), r.samplesOf("SON_LONG"));
    // 200 000 bytes at 48 000 a second, then the pause after closing.
    EXPECT_EQ(r.loop.monotonicMs(), 4167 + PlaybackEngine::kCloseWaitMs);

    r.out.calls.clear();
    r.engine.playResource("SON_TWO");
    r.loop.advanceUntil([&] { return r.finished > 1; }, 10'000);
    EXPECT_EQ(r.out.calls, concat({{"open", "prepare 0", "write 0 88200", "prepare 1", "write 1 88200", "unprepare 0",
                                    "unprepare 1"},
                                   kEndOfSound}));
}

TEST_F(PlaybackEngineTest, APlayRequestWhileASoundPlaysIsIgnored) {
    Rig& r = *rig;
    r.engine.playResource("SON_LONG");
    r.loop.advance(1000);
    const auto calls = r.out.calls.size();
    r.engine.playResource("SON0");
    r.engine.playFile("");
    EXPECT_EQ(r.out.calls.size(), calls);
    EXPECT_EQ(r.status.statusText(), "");
    EXPECT_EQ(r.beeps, 0);
    r.loop.advanceUntil([&] { return r.finished > 0; }, 10'000);
    EXPECT_EQ(played(), r.samplesOf("SON_LONG"));
}

TEST_F(PlaybackEngineTest, AnEmptySoundEndsAtOnce) {
    Rig& r = *rig;
    r.engine.playResource("son_empty");
    EXPECT_EQ(r.out.calls, (Calls{"open", "prepare 0", "write 0 0"}));
    r.loop.advance(PlaybackEngine::kCloseWaitMs);
    EXPECT_EQ(r.finished, 1);
}

TEST_F(PlaybackEngineTest, SoundsThatCannotBeFoundOrReadAbortWithTheirText) {
    Rig& r = *rig;
    r.dir.write("mono3.wav", [] {
        test::WaveLayout s;
        s.channels = 3;
        return test::waveBytes(s);
    }());
    std::filesystem::create_directory(r.dir.path() / "folder.wav");
    struct Case {
        SoundOrigin origin;
        std::string name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {SoundOrigin::Resource, "son_nothing", "Error: Res Wave"},
        {SoundOrigin::File, "missing.wav", "Err: Wave file name"},
        {SoundOrigin::File, "folder.wav", "Err: Wave file name"},
        {SoundOrigin::File, "mono3.wav", "Err: none mono/stereo file"},
    };
    int failures = 0;
    for (const Case& c : cases) {
        c.origin == SoundOrigin::Resource ? r.engine.playResource(c.name) : r.engine.playFile(c.name);
        EXPECT_EQ(r.status.statusText(), c.text) << c.name;
        EXPECT_EQ(r.failures, ++failures);
        EXPECT_FALSE(r.engine.playing());
    }
    EXPECT_TRUE(r.out.calls.empty());
    EXPECT_EQ(r.beeps, 0);
}

TEST_F(PlaybackEngineTest, AnEmptyNameBeeps) {
    Rig& r = *rig;
    r.engine.playResource("");
    EXPECT_EQ(r.status.statusText(), "Err: Res Wave");
    r.engine.playFile("");
    EXPECT_EQ(r.status.statusText(), "Err: Wave file");
    EXPECT_EQ(r.beeps, 2);
    EXPECT_EQ(r.failures, 2);
}

TEST_F(PlaybackEngineTest, FilesComeFromTheProgramFolderInTheirOwnFormat) {
    Rig& r = *rig;
    test::WaveLayout stereo;
    stereo.channels = 2;
    stereo.bits = 8;
    stereo.rate = 8000;
    stereo.data = test::sampleBytes(1600);
    r.dir.write("kuckoo.wav", test::waveBytes(stereo));
    r.engine.setOutputDevice(OutputDevice{2});
    r.engine.playGreetingTest();
    EXPECT_EQ(r.out.lastDevice.number, 2);
    EXPECT_EQ(r.out.lastFormat.channels, 2);
    EXPECT_EQ(r.out.lastFormat.bitsPerSample, 8);
    EXPECT_EQ(r.out.lastFormat.averageBytesPerSecond, 16000u);
    r.loop.advance(100 + PlaybackEngine::kCloseWaitMs);
    EXPECT_EQ(r.finished, 1);
    EXPECT_EQ(played(), stereo.data);

    r.out.playedBytes.clear();
    r.engine.playVocabularyTest();
    r.loop.advance(100 + PlaybackEngine::kCloseWaitMs);
    EXPECT_EQ(played(), r.samplesOf("son0"));
}

TEST_F(PlaybackEngineTest, DeviceFailuresWhileStartingASound) {
    struct Case {
        std::string call;
        int nth;
        SoundOrigin origin;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"open", 1, SoundOrigin::Resource, "Err: WaveOutOpen"},
        {"open", 1, SoundOrigin::File, "Err: Opening sound card"},
        {"prepare", 1, SoundOrigin::Resource, "Err: Prepareheader1"},
        {"prepare", 1, SoundOrigin::File, "Err: PrepareHeader1"},
        {"write", 1, SoundOrigin::Resource, "Err: waveOutWrite1"},
        {"write", 1, SoundOrigin::File, "Err: WaveOutWrite1"},
        {"prepare", 2, SoundOrigin::Resource, "Err: Prepareheader2"},
        {"prepare", 2, SoundOrigin::File, "Err: PrepareHeader2"},
        {"write", 2, SoundOrigin::Resource, "Err: waveOutWrite2"},
        {"write", 2, SoundOrigin::File, "Err: WaveOutWrite2"},
    };
    for (const Case& c : cases) {
        Rig r(clips);
        r.dir.write("long.wav", test::clipOfBytes(200'000));
        r.out.failAt[c.call] = c.nth;
        c.origin == SoundOrigin::Resource ? r.engine.playResource("son_long") : r.engine.playFile("long.wav");
        EXPECT_EQ(r.status.statusText(), c.text);
        EXPECT_EQ(r.failures, 1) << c.text;
        EXPECT_FALSE(r.engine.playing()) << c.text;
        // The abort routine closes what was opened.
        if (c.call != "open") {
            EXPECT_TRUE(r.engine.stopOutput()) << c.text;
        }
    }
}

TEST_F(PlaybackEngineTest, ARefillThatFailsEndsTheSoundEarly) {
    for (const auto& [call, text] : {std::pair<std::string, std::string>{"prepare", "Error: prepare hdr3 wave"},
                                     {"write", "Error: wave_out_write3 wave"}}) {
        Rig r(clips);
        r.out.failAt[call] = 3;
        r.engine.playResource("SON_FOUR");
        r.loop.advance(1837);
        EXPECT_TRUE(r.engine.playing());
        r.loop.advance(1);  // the first buffer returns and cannot be queued again
        EXPECT_EQ(r.status.statusText(), text);
        EXPECT_EQ(r.failures, 1);
        EXPECT_TRUE(r.engine.playing());
        // The other buffer still plays; then the sound ends and the next step runs.
        r.loop.advance(1838 + PlaybackEngine::kCloseWaitMs);
        EXPECT_EQ(r.finished, 1);
        EXPECT_FALSE(r.engine.playing());
        EXPECT_EQ(r.out.playedBytes.size(), 2u * 88'200);
    }
}

TEST_F(PlaybackEngineTest, StoppingForAnAbort) {
    Rig& r = *rig;
    EXPECT_FALSE(r.engine.stopOutput());  // nothing is open
    EXPECT_EQ(r.out.calls, (Calls{"unprepare 0"}));

    r.engine.playResource("SON_LONG");
    r.loop.advance(500);
    r.out.calls.clear();
    EXPECT_TRUE(r.engine.stopOutput());
    EXPECT_EQ(r.out.calls, kEndOfSound);
    r.engine.clearState();
    EXPECT_FALSE(r.engine.playing());
    EXPECT_FALSE(r.engine.deviceOpened());
    r.loop.advance(10'000);
    EXPECT_LT(r.out.playedBytes.size(), 200'000u);

    r.out.calls.clear();
    r.out.failAt["reset"] = 2;  // the next one
    r.engine.playResource("SON_LONG");
    EXPECT_FALSE(r.engine.stopOutput());
    EXPECT_EQ(r.out.calls.back(), "reset");  // a failed step skips the rest
}

TEST_F(PlaybackEngineTest, ASoundStallsWhenTheOutputStopsReturningIt) {
    Rig& r = *rig;
    r.out.stuck = true;
    r.engine.playResource("SON0");
    r.loop.advance(100 + PlaybackEngine::kStallMarginMs);
    EXPECT_TRUE(r.engine.playing());
    EXPECT_FALSE(r.engine.stalled());
    r.loop.advance(1);
    EXPECT_TRUE(r.engine.stalled());
}

}  // namespace
}  // namespace skycrier
