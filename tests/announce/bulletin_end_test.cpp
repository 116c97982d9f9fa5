// Every way a bulletin can end, through the one wiring the programs use: the
// lines end low, the announce button comes back, and the end is told once.

#include <gtest/gtest.h>

#include <functional>

#include "support/announcer_rig.h"
#include "support/wave_bytes.h"

namespace skycrier {
namespace {

using test::Rig;

TEST(BulletinEnd, EveryWayOutEndsOnceWithTheLinesLowAndTheButtonBack) {
    const struct {
        const char* way;
        std::function<void(Rig&)> before;
        std::function<void(Rig&)> during;
        std::string lastLine;
        BulletinTrigger trigger = BulletinTrigger::Button;
    } cases[] = {
        {"normal end", {}, {}, "done"},
        {"Escape", [](Rig& r) { r.a.mainModels().settings.playGreeting = true; },
         [](Rig& r) { r.a.mainModels().window.askToEndBulletin(); },
         "done"},
        {"a missing recording",
         [](Rig& r) {
             r.a.mainModels().settings.playHeader = true;
             r.a.mainModels().settings.headerFile = "missing.wav";
         },
         {}, "abort Err: Wave file name"},
        {"a device that cannot open", [](Rig& r) { r.out.failAt["open"] = 1; }, {}, "abort Err: WaveOutOpen"},
        // The watchdog finds the sound stalled and resets the output, which hands
        // both its buffers back: they must not end the bulletin a second time.
        {"a hung output",
         [](Rig& r) {
             r.out.stuck = true;
             r.a.mainModels().settings.playHeader = true;
             r.a.mainModels().settings.headerFile = r.dir.write("long.wav", test::clipOfBytes(200'000));
         },
         {}, "abort SKYCRIER SONANDO"},
        {"the error simulation", [](Rig& r) { r.a.setErrorSimulation(true); }, {},
         "abort SKYCRIER SONANDO"},
        {"a peer's request", {}, {}, "done", BulletinTrigger::Peer},
        {"the program stopping", {}, [](Rig& r) { r.a.stopBulletin("Err: stopped by SIGTERM"); },
         "abort Err: stopped by SIGTERM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        Rig r;
        if (c.before) c.before(r);
        r.run(c.during, c.trigger);
        EXPECT_EQ(r.recorder.ends, 1);
        EXPECT_EQ(r.recorder.lines.back(), c.lastLine);
        EXPECT_FALSE(r.line.raised(SerialPin::DTR));
        EXPECT_FALSE(r.line.raised(SerialPin::RTS));
        EXPECT_EQ(r.count("DTR down"), 1);
        EXPECT_EQ(r.count("RTS down"), 1);
        EXPECT_FALSE(r.a.statusBoard().transmitterLed());
        EXPECT_TRUE(r.a.statusBoard().announceEnabled());
        EXPECT_EQ(r.buttonReturns, 1);
        EXPECT_FALSE(r.a.bulletinRunning());
        EXPECT_EQ(r.a.bulletinPosition(), 0);
    }
}

// A line the device will not lower is not shown as released: its error stays
// in view and goes to the log, and the lamp stays on.
TEST(BulletinEnd, ALineThatWillNotGoDownIsReportedNotHidden) {
    Rig r;
    std::vector<std::string> log;
    const Subscription logged = r.a.statusBoard().reported.connect([&](const std::string& text) { log.push_back(text); });
    r.a.mainModels().settings.speakDate = false;
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advanceUntil([&] { return r.a.bulletinPosition() == PartOfDay; }, 60'000);
    r.line.refusals = 2;  // the lowering and its second try
    r.loop.advanceUntil([&] { return r.recorder.finished(); }, 60'000);
    EXPECT_TRUE(r.line.raised(SerialPin::DTR));
    EXPECT_FALSE(r.line.raised(SerialPin::RTS));
    EXPECT_TRUE(r.a.statusBoard().transmitterLed());
    EXPECT_EQ(r.a.statusBoard().statusText(), "Err: unkey DTR");
    EXPECT_EQ(log, std::vector<std::string>{"Err: unkey DTR (Input/output error)"});
    // The trace tells what happened: only RTS went down.
    EXPECT_EQ((std::vector<std::string>(r.recorder.lines.end() - 2, r.recorder.lines.end())),
              (std::vector<std::string>{"unkey RTS", "done"}));
}

TEST(BulletinEnd, AKeyThatFailsIsReportedAndTheBulletinGoesOnUnkeyed) {
    Rig r;
    std::vector<std::string> log;
    const Subscription logged = r.a.statusBoard().reported.connect([&](const std::string& text) { log.push_back(text); });
    r.a.mainModels().settings.speakDate = false;
    r.line.refusals = 1;
    r.run({});
    EXPECT_EQ(log, std::vector<std::string>{"Err: key DTR (Input/output error)"});
    EXPECT_EQ(std::vector<std::string>(r.recorder.lines.begin(), r.recorder.lines.begin() + 2),
              (std::vector<std::string>{"key RTS", "wait 300"}));
    EXPECT_EQ(r.recorder.lines.back(), "done");
    EXPECT_EQ(r.a.statusBoard().statusText(), "SKYCRIER DONE");
}

}  // namespace
}  // namespace skycrier
