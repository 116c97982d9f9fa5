// The seams the one wiring offers the programs built on it: steps that wait
// at the start and the end of a bulletin, sources that know a bulletin is on
// the air, and polls that say when they have finished.

#include "app/announcer.h"

#include <gtest/gtest.h>

#include "support/announcer_rig.h"
#include "support/station_files.h"

namespace skycrier {
namespace {

using test::Rig;

// A step that answers when the test says so.
struct HeldStep {
    Sequencer::AsyncStep step() {
        return [this](std::function<void()> done) {
            ++calls;
            answer = std::move(done);
        };
    }
    int calls = 0;
    std::function<void()> answer;
};

TEST(Announcer, TheStartStepHoldsTheFirstSoundUntilItAnswers) {
    Rig r;
    r.a.mainModels().settings.speakDate = false;
    HeldStep start;
    r.a.holdBulletinStart(start.step());
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(3000);
    EXPECT_EQ(start.calls, 1);
    EXPECT_EQ(r.recorder.lines, (test::Trace{"key DTR", "key RTS", "wait 300"}));
    start.answer();
    start.answer();  // a second answer counts for nothing
    r.loop.advanceUntil([&] { return r.recorder.finished(); }, 60'000);
    EXPECT_EQ(r.recorder.lines[3], "wait 300");
    EXPECT_EQ(r.recorder.lines[4], "play son_it_s");
    EXPECT_EQ(r.recorder.lines.back(), "done");
}

TEST(Announcer, AnAnswerAfterTheBulletinWasAbortedIsIgnored) {
    Rig r;
    HeldStep start;
    r.a.holdBulletinStart(start.step());
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(Sequencer::kWatchdogMs + 2000);
    EXPECT_EQ(r.recorder.lines.back(), "abort SKYCRIER SONANDO");
    start.answer();
    r.loop.advance(10'000);
    EXPECT_EQ(r.recorder.ends, 1);
    EXPECT_EQ(std::count(r.out.calls.begin(), r.out.calls.end(), "open"), 0);  // nothing was played
}

TEST(Announcer, TheEndStepRunsLastAndTheNextBulletinWaitsForIt) {
    Rig r;
    r.a.mainModels().settings.speakDate = false;
    HeldStep end;
    r.a.holdBulletinEnd(end.step());
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advanceUntil([&] { return end.calls == 1; }, 60'000);
    EXPECT_EQ(r.recorder.lines.back(), "done");
    EXPECT_EQ(r.link.reconnects, 1);  // the end step comes after the peer link's renewal

    r.recorder.clear();
    r.a.requestBulletin(BulletinTrigger::Button);  // while the end step still runs
    r.loop.advance(5000);
    EXPECT_TRUE(r.recorder.lines.empty());
    end.answer();
    r.loop.advanceUntil([&] { return r.recorder.finished(); }, 60'000);
    EXPECT_EQ(r.recorder.lines.front(), "key DTR");
    EXPECT_EQ(r.recorder.lines.back(), "done");
}

TEST(Announcer, SourcesKnowWhenABulletinIsOnTheAirAndEscapeEndsIt) {
    Rig r;
    const auto onAir = r.a.sources().context.bulletinOnAir;
    EXPECT_FALSE(onAir());
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(500);
    EXPECT_TRUE(onAir());
    r.a.sources().ws23Source.askToEndBulletin();
    r.loop.advanceUntil([&] { return r.recorder.finished(); }, 60'000);
    EXPECT_EQ(r.recorder.lines,
              (test::Trace{"key DTR", "key RTS", "wait 300", "play son_mon", "unkey DTR", "unkey RTS", "done"}));
    EXPECT_FALSE(onAir());
}

TEST(Announcer, APollSaysWhenItHasFinishedWhateverItsOutcome) {
    Rig r;
    Ws23Source& w23 = r.a.sources().ws23Source;
    std::vector<bool> finished;
    const Subscription counted = w23.poller().finished.connect([&](bool read) { finished.push_back(read); });
    const std::string file = r.dir.write("history.dat", test::ws23File(test::ws23Series(3, r.loop.localNow(), 10)));
    r.a.applyConfiguration(parseConfigText("W23_DAT=" + file + "\r\nMETEO=W23\r\n"));
    EXPECT_EQ(finished, std::vector<bool>{true});
    EXPECT_TRUE(w23.meteo().ErrorText.empty());
    r.dir.write("history.dat", "short");
    w23.refreshNow();
    EXPECT_EQ(finished, (std::vector<bool>{true, false}));
    EXPECT_EQ(w23.meteo().ErrorText, "Error archivo");
}

}  // namespace
}  // namespace skycrier
