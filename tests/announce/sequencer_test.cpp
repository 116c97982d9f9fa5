#include "announce/sequencer.h"

#include <gtest/gtest.h>

#include "support/sequencer_surroundings.h"
#include "support/trace_recorder.h"

namespace skycrier {
namespace {

using test::Trace;

class SequencerTest : public ::testing::Test, public test::SequencerSurroundings {
protected:
    void newTrace() { recorder.clear(); }
    bool finished() const { return recorder.finished(); }
    void openPort() { port.choosePort("COM1"); }
    bool keyed(SerialPin pin) { return line.raised(pin); }
    Trace trace() const { return recorder.lines; }

    Trace runBulletin(BulletinTrigger trigger = BulletinTrigger::Button) {
        seq.requestBulletin(trigger);
        loop.advanceUntil([&] { return finished() && !seq.bulletinRunning(); }, 3'600'000);
        return trace();
    }

    test::FakePlayer player{loop, 1000};
    Sequencer seq{partsWith(player)};
    test::TraceRecorder recorder{seq.events};
};

const Trace kTimeWords = {"wait 300", "play son_it_s", "play son2_et", "play son5", "play son_pm"};

Trace concat(std::initializer_list<Trace> parts) {
    Trace all;
    for (const Trace& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(SequencerTest, ShortestBulletinKeysWaitsAndSpeaksTheTime) {
    openPort();
    EXPECT_EQ(runBulletin(),
              concat({{"key DTR", "key RTS", "wait 300"}, kTimeWords, {"unkey DTR", "unkey RTS", "done"}}));
    EXPECT_FALSE(keyed(SerialPin::DTR));
    EXPECT_FALSE(keyed(SerialPin::RTS));
    EXPECT_EQ(status.statusText(), "SKYCRIER DONE");
    EXPECT_TRUE(status.announceEnabled());
    EXPECT_FALSE(status.transmitterLed());
}

TEST_F(SequencerTest, WithoutAPortNothingIsKeyedAndThereIsNoKeyingWait) {
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));
}

TEST_F(SequencerTest, OnlyTheTickedLinesAreRaisedButBothAreLowered) {
    openPort();
    lines.keyRts = false;
    EXPECT_EQ(runBulletin(),
              concat({{"key DTR", "wait 300"}, kTimeWords, {"unkey DTR", "unkey RTS", "done"}}));
}

// Another keying than the port's lines: the switch keys before the first sound
// and unkeys after the last, a refusal is shown with its reason, and a radio on
// VOX keys itself while the bulletin keeps its keying pause.
TEST_F(SequencerTest, ASwitchOrVoxKeysInPlaceOfTheLines) {
    const struct {
        KeyingKind kind;
        int refusals;
        Trace keying, unkeying;
        std::vector<std::string> asked, reported;
    } cases[] = {
        {KeyingKind::Hamlib, 0, {"key HAMLIB", "wait 300"}, {"unkey HAMLIB", "done"}, {"key", "unkey"}, {}},
        {KeyingKind::Cm108, 0, {"key CM108", "wait 300"}, {"unkey CM108", "done"}, {"key", "unkey"}, {}},
        {KeyingKind::Gpio, 0, {"key GPIO", "wait 300"}, {"unkey GPIO", "done"}, {"key", "unkey"}, {}},
        {KeyingKind::Vox, 0, {"wait 300"}, {"done"}, {}, {}},
        {KeyingKind::Hamlib, 1, {"wait 300"}, {"done"}, {"key", "unkey"},
         {"Err: key HAMLIB (no answer from the rig within 2 s)"}},
    };
    openPort();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(keyingName(c.kind)) + " refusals " + std::to_string(c.refusals));
        newTrace();
        keySwitch.asked.clear();
        keySwitch.refusals = c.refusals;
        lines.keying.kind = c.kind;
        std::vector<std::string> reported;
        const Subscription log = status.reported.connect([&](const std::string& text) { reported.push_back(text); });
        bool keyedWhileSpeaking = false;
        const Subscription watch = seq.events.connect([&](const BulletinEvent& e) {
            if (e.kind == BulletinEvent::Kind::PlaySegment) keyedWhileSpeaking = keySwitch.keyed;
        });
        EXPECT_EQ(runBulletin(), concat({c.keying, kTimeWords, c.unkeying}));
        EXPECT_EQ(keySwitch.asked, c.asked);
        EXPECT_EQ(reported, c.reported);
        EXPECT_EQ(keyedWhileSpeaking, keysBySwitch(c.kind) && c.refusals == 0);
        EXPECT_FALSE(keySwitch.keyed);
        EXPECT_FALSE(keyed(SerialPin::DTR) || keyed(SerialPin::RTS));
        EXPECT_FALSE(status.transmitterLed());
    }
}

TEST_F(SequencerTest, ASwitchThatWillNotUnkeySaysSoAndTheTimeOutHoldsForIt) {
    lines.keying.kind = KeyingKind::Cm108;
    lines.transmitLimitSeconds = 60;
    settings.playGreeting = true;
    player.duration = 150'000;
    std::vector<std::string> reported;
    const Subscription log = status.reported.connect([&](const std::string& text) { reported.push_back(text); });
    seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_TRUE(status.transmitterLed());
    keySwitch.refusals = 1;
    loop.advance(60'000);
    EXPECT_EQ(trace().back(), "abort Err: unkey CM108");
    EXPECT_EQ(reported, (std::vector<std::string>{
                            "Err: transmit time-out (keyed for 60 s; the limit is TX_TIMEOUT= in skycrier.ini)",
                            "Err: unkey CM108 (no answer from the rig within 2 s)"}));
    EXPECT_TRUE(keySwitch.keyed);
    EXPECT_TRUE(status.transmitterLed());
}

TEST_F(SequencerTest, RecordingsDateAndPauseComeInOrder) {
    settings.playHeader = true;
    settings.headerFile = "header.wav";
    settings.pauseSeconds = 2;
    settings.playGreeting = true;
    settings.speakDate = true;
    settings.playClosing = true;
    settings.closingFile = "bye.wav";
    EXPECT_EQ(runBulletin(), concat({{"play-file header.wav", "wait 2000", "play-file kuckoo.wav", "play son_mon",
                                      "play son7", "play son_dec", "play son2026"},
                                     kTimeWords,
                                     {"play-file bye.wav", "done"}}));
}

TEST_F(SequencerTest, RecordingsWithoutAFileAreSkipped) {
    settings.playHeader = true;
    settings.playGreeting = true;
    settings.greetingFile.clear();
    settings.playClosing = true;
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));
}

TEST_F(SequencerTest, MetricWeatherItemsInTheirFixedOrder) {
    MeteoData& d = sources.choose(SourceKind::W23);
    d.Tint = 21.5;  // rounds to the even 22
    d.Text = -5.2;
    d.Patm = 1013.2;
    d.Tend = 1;
    d.Vent = 150;
    d.Rafa = 12;
    d.Dire = 250;
    d.TRes = -9.6;
    d.Pluie = 0.4;
    d.HumiExt = 72;
    EXPECT_EQ(runBulletin(),
              concat({kTimeWords,
                      {"wait 300", "play son_int_temp", "play son22", "play son_degrees",
                       "wait 300", "play son_ext_temp", "play son_minus", "play son5", "play son_degrees",
                       "wait 300", "play son_pressure", "play son1000", "play son13", "play son_millibars",
                       "wait 50", "play son_rising",
                       "wait 300", "play son_wind", "play son100_and", "play son50", "play son_kmh",
                       "wait 300", "play son_gust", "play son12", "play son_kmh",
                       "wait 300", "play son_dir", "play son_west",
                       "wait 300", "play son_wind_chill", "play son_minus", "play son10", "play son_degrees",
                       "wait 300", "play son_rain24", "play son_null",
                       "wait 300", "play son_humidity", "play son72", "play son_percent", "done"}}));
}

TEST_F(SequencerTest, ImperialWeatherItems) {
    units.setTemperatureMetric(false);
    units.setPressureMetric(false);
    units.setWindMetric(false);
    units.setRainMetric(false);
    settings.sixteenPointDirections = true;
    MeteoData& d = sources.choose(SourceKind::Pro2);
    d.Tint = 68;
    d.Text = 1;
    d.Patm = 29.92;
    d.Tend = 2;
    d.Vent = 1;
    d.Rafa = 4;  // above 5 x 0.6213712
    d.Dire = 20;
    d.TRes = 120;
    d.Pluie = 0.25;
    d.HumiExt = 72.5;  // rounds to the even 72
    EXPECT_EQ(runBulletin(),
              concat({kTimeWords,
                      {"wait 300", "play son_int_temp", "play son68", "play son_degrees",
                       "wait 300", "play son_ext_temp", "play son1", "play son_degrees1",
                       "wait 300", "play son_pressure", "play son29", "play son_point", "play son9", "play son2",
                       "play son_inhg",
                       "wait 50", "play son_falling",
                       "wait 300", "play son_wind", "play son1", "play son_mph",
                       "wait 300", "play son_gust", "play son4", "play son_mph",
                       "wait 300", "play son_dir", "play son_north_north_east",
                       "wait 300", "play son_wind_chill", "play son100_and", "play son20", "play son_degrees",
                       "wait 300", "play son_rain24", "play son0", "play son_point", "play son2", "play son5",
                       "play son_inch",
                       "wait 300", "play son_humidity", "play son72", "play son_percent", "done"}}));
}

TEST_F(SequencerTest, GatesLeaveOutImplausibleAndUntickedValues) {
    MeteoData& d = sources.choose(SourceKind::W28);
    d.Tint = 101;       // above 100
    d.Text = -200;      // the "missing" marker
    d.Patm = 929.4;     // below 930
    d.Tend = 3;         // unknown
    d.Vent = 0.4;       // calm: no unit and no direction
    d.Rafa = 4.4;       // below 5
    d.Dire = 90;
    d.TRes = -76;       // below -75
    d.Pluie = 199;      // above 198
    d.HumiExt = -1;
    sources.enabled[SourceKind::W28].erase(MeteoField::HumiExt);
    d.HumiExt = 50;
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"wait 300", "play son_wind", "play son_null", "done"}}));
}

TEST_F(SequencerTest, MphGustBoundIsScaled) {
    units.setWindMetric(false);
    MeteoData& d = sources.choose(SourceKind::W23);
    sources.enabled[SourceKind::W23] = {MeteoField::Rafa};
    d.Rafa = 3;
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));
}

TEST_F(SequencerTest, DirectionNeedsAWindOfAtLeastOne) {
    MeteoData& d = sources.choose(SourceKind::W23);
    sources.enabled[SourceKind::W23] = {MeteoField::Dire};
    d.Dire = 90;
    d.Vent = 20;  // not ticked: the wind stays at its default -1
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));
}

TEST_F(SequencerTest, AnOutOfRangeWindStillAllowsTheDirection) {
    MeteoData& d = sources.choose(SourceKind::W23);
    sources.enabled[SourceKind::W23] = {MeteoField::Vent, MeteoField::Dire};
    d.Vent = 250;
    d.Dire = 180;
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"wait 300", "play son_dir", "play son_south", "done"}}));
}

TEST_F(SequencerTest, MetarVariableWindAndPresentWeather) {
    MeteoData& d = sources.choose(SourceKind::METAR);
    sources.enabled[SourceKind::METAR] = {MeteoField::Tint, MeteoField::Vent, MeteoField::Dire, MeteoField::Phenomena};
    d.Tint = 20;  // METAR has no inside temperature
    d.Vent = 3;
    d.Dire = 999;
    d.Phenomena = phenomena::Snow | phenomena::Heavy;
    EXPECT_EQ(runBulletin(), concat({kTimeWords,
                                     {"wait 300", "play son_wind", "play son3", "play son_kmh", "wait 300",
                                      "play son_dir", "play son_variable", "wait 300", "play son_snowing",
                                      "wait 300", "play son_heavily", "done"}}));
}

TEST_F(SequencerTest, FailedOrUnusableSourcesSpeakNoWeather) {
    MeteoData& d = sources.choose(SourceKind::APRS);
    d.Text = 10;
    d.ErrorText = "Error de archivo #6";
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));

    newTrace();
    d.ErrorText.clear();
    d.Input.clear();
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));
    EXPECT_EQ(seq.selectedSource(), SourceKind::None);
}

TEST_F(SequencerTest, StaleRuleDropsOldDataButNeverTheWeatherMonitor) {
    settings.staleRule = StaleRule::OneHour;
    MeteoData& w23 = sources.choose(SourceKind::W23);
    sources.enabled[SourceKind::W23] = {MeteoField::Text};
    w23.Text = 10;
    w23.ObservedAt = loop.localNow() - 61.0 / 1440;
    EXPECT_EQ(runBulletin(), concat({kTimeWords, {"done"}}));

    newTrace();
    w23.ObservedAt = loop.localNow() - 59.0 / 1440;
    EXPECT_EQ(runBulletin(), concat({kTimeWords,
                                     {"wait 300", "play son_ext_temp", "play son10", "play son_degrees", "done"}}));

    newTrace();
    MeteoData& mon = sources.choose(SourceKind::MON);
    sources.enabled[SourceKind::MON] = {MeteoField::Text};
    mon.Text = 3;
    mon.ObservedAt = 0;
    EXPECT_EQ(runBulletin(), concat({kTimeWords,
                                     {"wait 300", "play son_ext_temp", "play son3", "play son_degrees", "done"}}));
}

TEST_F(SequencerTest, EscapeDuringTheGreetingEndsAfterItWithoutTheClosing) {
    openPort();
    settings.playGreeting = true;
    settings.playClosing = true;
    settings.closingFile = "bye.wav";
    seq.requestBulletin(BulletinTrigger::Button);
    loop.advance(800);  // keying wait done, greeting playing
    seq.escapeRequest();
    loop.advanceUntil([&] { return finished(); }, 60'000);
    EXPECT_EQ(trace(), (Trace{"key DTR", "key RTS", "wait 300", "play-file kuckoo.wav", "unkey DTR", "unkey RTS",
                              "done"}));
    EXPECT_EQ(player.played, (std::vector<std::string>{"kuckoo.wav"}));
}

TEST_F(SequencerTest, AnUnplayableSegmentAbortsAndReleasesTheTransmitter) {
    openPort();
    player.missing = {"son5"};
    seq.requestBulletin(BulletinTrigger::Button);
    status.setStatusText("Error: Res Wave");  // what the player shows before it aborts
    loop.advanceUntil([&] { return !seq.bulletinRunning(); }, 60'000);
    EXPECT_EQ(trace(), (Trace{"key DTR", "key RTS", "wait 300", "wait 300", "play son_it_s", "play son2_et",
                              "play son5", "unkey DTR", "unkey RTS", "abort Error: Res Wave"}));
    EXPECT_FALSE(keyed(SerialPin::DTR));
    EXPECT_EQ(status.statusText(), "Error: Res Wave");
    EXPECT_TRUE(status.announceEnabled());
    EXPECT_EQ(seq.bulletinPosition(), 0);
}

TEST_F(SequencerTest, WatchdogEndsASimulatedErrorAfterTwoMinutes) {
    openPort();
    seq.setErrorSimulation(true);
    seq.requestBulletin(BulletinTrigger::Button);
    loop.advance(Sequencer::kWatchdogMs - 1);
    EXPECT_TRUE(seq.bulletinRunning());
    loop.advance(1);
    EXPECT_EQ(trace(), (Trace{"unkey DTR", "unkey RTS", "abort SKYCRIER SONANDO"}));
    loop.advance(1000);
    EXPECT_FALSE(seq.bulletinRunning());
    EXPECT_TRUE(status.announceEnabled());
}

TEST_F(SequencerTest, WatchdogLetsALongSoundFinishAndLooksAgain) {
    openPort();
    settings.playGreeting = true;
    player.duration = 150'000;  // a greeting longer than the watchdog
    lines.transmitLimitSeconds = 3600;
    EXPECT_EQ(runBulletin(), (Trace{"key DTR", "key RTS", "wait 300", "play-file kuckoo.wav", "wait 300",
                                    "play son_it_s", "play son2_et", "play son7", "play son_pm", "unkey DTR",
                                    "unkey RTS", "done"}));
}

TEST_F(SequencerTest, WatchdogEndsABulletinWhoseSoundNeverComesBack) {
    openPort();
    player.stuck = true;
    player.duration = 150'000;
    seq.requestBulletin(BulletinTrigger::Button);
    loop.advance(Sequencer::kWatchdogMs);
    EXPECT_TRUE(keyed(SerialPin::DTR));  // the first look finds the sound young enough to wait for
    loop.advance(Sequencer::kWatchdogMs);
    EXPECT_FALSE(keyed(SerialPin::DTR));
    EXPECT_EQ(trace().back(), "abort SKYCRIER SONANDO");
    EXPECT_EQ(player.stops, 1);
}

TEST_F(SequencerTest, TheTransmitTimeOutUnkeysASoundTheWatchdogWouldStillWaitFor) {
    openPort();
    lines.transmitLimitSeconds = 60;
    settings.playGreeting = true;
    player.duration = 150'000;
    std::vector<std::string> reported;
    const Subscription log = status.reported.connect([&](const std::string& text) { reported.push_back(text); });
    seq.requestBulletin(BulletinTrigger::Button);
    loop.advance(59'999);
    EXPECT_TRUE(keyed(SerialPin::DTR));
    loop.advance(1);
    EXPECT_FALSE(keyed(SerialPin::DTR));
    EXPECT_FALSE(keyed(SerialPin::RTS));
    EXPECT_EQ(trace().back(), "abort Err: transmit time-out");
    EXPECT_EQ(reported, (std::vector<std::string>{
                            "Err: transmit time-out (keyed for 60 s; the limit is TX_TIMEOUT= in skycrier.ini)"}));
    loop.advance(1000);
    EXPECT_FALSE(seq.bulletinRunning());
    // The next bulletin has its whole allowance again.
    newTrace();
    player.duration = 1000;
    settings.playGreeting = false;
    EXPECT_EQ(runBulletin().back(), "done");
}

TEST_F(SequencerTest, AbortDuringAWaitPlaysNothingMore) {
    openPort();
    settings.pauseSeconds = 15;
    settings.playHeader = true;
    settings.headerFile = "long.wav";
    player.duration = 110'000;
    seq.requestBulletin(BulletinTrigger::Button);
    loop.advance(Sequencer::kWatchdogMs + 30'000);
    EXPECT_EQ(trace(), (Trace{"key DTR", "key RTS", "wait 300", "play-file long.wav", "wait 15000", "unkey DTR",
                              "unkey RTS", "abort SKYCRIER SONANDO"}));
    EXPECT_EQ(player.played.size(), 1u);
    EXPECT_FALSE(seq.bulletinRunning());
}

TEST_F(SequencerTest, StartConditions) {
    seq.setStartUpPending(true);
    seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_FALSE(seq.bulletinRunning());

    seq.setStartUpPending(false);
    seq.setCarrierBusy(true);
    seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_FALSE(seq.bulletinRunning());

    lines.holdOnDcd = false;
    seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_TRUE(seq.bulletinRunning());
    EXPECT_FALSE(status.announceEnabled());
    EXPECT_EQ(status.statusText(), "SKYCRIER SONANDO");

    seq.requestBulletin(BulletinTrigger::Button);  // a second request during the bulletin is dropped
    loop.advanceUntil([&] { return finished(); }, 60'000);
    EXPECT_EQ(trace(), concat({kTimeWords, {"done"}}));
}

TEST_F(SequencerTest, DeferredPollRunsASecondAfterTheEnd) {
    sources.choose(SourceKind::MON).DeferredPoll = true;
    runBulletin();
    EXPECT_TRUE(sources.polled.empty());
    loop.advance(1000);
    EXPECT_EQ(sources.polled, std::vector<SourceKind>{SourceKind::MON});
    EXPECT_FALSE(sources.meteo(SourceKind::MON).DeferredPoll);
}

TEST_F(SequencerTest, PeerRequestEndsWithDoneNoticeInsteadOfReconnect) {
    test::RecordingLink link;
    seq.setChannelLink(&link);
    runBulletin(BulletinTrigger::Peer);
    loop.advance(2000);
    EXPECT_EQ(link.sent, std::vector<std::string>{"BRELL_DONE"});
    EXPECT_EQ(link.reconnects, 0);

    // The next bulletin, asked for by no peer, reconnects and tells no one.
    seq.requestBulletin(BulletinTrigger::Button);
    loop.advance(60'000);
    EXPECT_EQ(link.reconnects, 1);
    EXPECT_EQ(link.sent.size(), 1u);
}

TEST_F(SequencerTest, AnHourOfBulletinsOnceAMinute) {
    openPort();
    settings.speakDate = true;
    sources.choose(SourceKind::W23).Text = 12;
    Timer minute(loop, 60'000, [&] { seq.requestBulletin(BulletinTrigger::Button); });
    minute.start();
    loop.advance(3'600'000 + 30'000);
    EXPECT_EQ(recorder.ends, 60);
    EXPECT_EQ(std::count(recorder.lines.begin(), recorder.lines.end(), "done"), 60);
    EXPECT_FALSE(keyed(SerialPin::DTR));
}

}  // namespace
}  // namespace skycrier
