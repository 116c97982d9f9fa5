#include "announce/scheduler.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "support/sequencer_surroundings.h"

namespace skycrier {
namespace {

constexpr Millis kMinute = 60'000;

// The scheduler and a sequencer whose sounds last a fixed time, on virtual
// time from Monday 7 December 2026, 00:00; starts are kept as "HH:MM:SS".
struct Rig : test::SequencerSurroundings {
    explicit Rig(const std::string& period = "0", int hour = 0, int minute = 0)
        : SequencerSurroundings(encodeDateTime(2026, 12, 7, hour, minute, 0)) {
        schedule.periodText = period;
    }
    // The program starts now; its start-up runs half a second later.
    void start() {
        scheduler.start();
        loop.advance(Scheduler::kFirstTickMs);
    }
    void set(SerialPin pin, bool on) { line.pins[pin] = on; }
    void tick() { loop.advance(Scheduler::kTickMs); }

    test::FakePlayer player{loop, 100};
    ScheduleSettings schedule;
    Sequencer seq{partsWith(player)};
    Scheduler scheduler{{loop, seq, port, lines, schedule, &keySwitch}};
    std::vector<std::string> starts;
    std::vector<BulletinTrigger> triggers;
    Subscription started = seq.started.connect([this](BulletinTrigger trigger) {
        starts.push_back(formatDateTime(loop.localNow()).substr(11));
        triggers.push_back(trigger);
    });
};

TEST(SchedulerTest, PeriodAndWindowOfHoursOverADay) {
    struct Case {
        std::string period;
        int startHour, endHour;
        std::size_t bulletins;  // started in the day
        std::set<int> hours{};  // empty: any
    };
    const Case cases[] = {
        {.period = "15", .startHour = 0, .endHour = 24, .bulletins = 96},
        {.period = "60", .startHour = 0, .endHour = 24, .bulletins = 24},
        {.period = "20", .startHour = 0, .endHour = 24, .bulletins = 72},
        {.period = "5", .startHour = 22, .endHour = 6, .bulletins = 96, .hours = {22, 23, 0, 1, 2, 3, 4, 5}},
        {.period = "5", .startHour = 8, .endHour = 8, .bulletins = 0},
        {.period = "0", .startHour = 0, .endHour = 24, .bulletins = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.period + " min, " + std::to_string(c.startHour) + ".." + std::to_string(c.endHour));
        Rig r(c.period);
        r.schedule.StartHour = c.startHour;
        r.schedule.EndHour = c.endHour;
        r.scheduler.start();
        r.loop.advance(1440 * kMinute - 1000);  // the day's last tick is at 23:59:59.5
        EXPECT_EQ(r.starts.size(), c.bulletins);
        std::set<std::string> minutes;
        for (const std::string& at : r.starts) {
            EXPECT_EQ(std::stoi(at.substr(3, 2)) % std::stoi(c.period), 0) << at;
            EXPECT_TRUE(c.hours.empty() || c.hours.count(std::stoi(at.substr(0, 2)))) << at;
            EXPECT_TRUE(minutes.insert(at.substr(0, 5)).second) << "twice in " << at;
        }
        EXPECT_EQ(std::set<BulletinTrigger>(r.triggers.begin(), r.triggers.end()).size(), c.bulletins ? 1u : 0u);
    }
}

// A due minute spent wholly inside a bulletin has no start; a bulletin that
// ends within the due minute lets that minute's start through, late.
TEST(SchedulerTest, ADueMinuteInsideABulletinIsSkipped) {
    const std::pair<Millis, std::vector<std::string>> cases[] = {
        {130'000, {"00:00:01", "00:10:00", "00:20:00"}},
        {100'000, {"00:00:01", "00:05:02", "00:15:00", "00:25:00"}},
    };
    for (const auto& [soundMs, starts] : cases) {
        Rig r("5");
        r.player.duration = soundMs;  // the time is three or four words
        r.start();
        r.loop.advance(29 * kMinute);
        EXPECT_EQ(r.starts, starts);
    }
}

TEST(SchedulerTest, StartUpOnTheFirstTickThenTheClockAndTheFirstDecisionASecondLater) {
    Rig r("5", 14, 5);
    std::vector<Millis> startUps;
    r.scheduler.startUp = [&] {
        startUps.push_back(r.loop.monotonicMs());
        r.seq.requestBulletin(BulletinTrigger::Button);
    };
    r.scheduler.start();
    r.seq.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(1499);
    EXPECT_EQ(startUps, std::vector<Millis>{500});
    EXPECT_TRUE(r.starts.empty());
    EXPECT_EQ(r.scheduler.shown().timeText, "");
    r.loop.advance(1);
    EXPECT_EQ(r.starts, std::vector<std::string>{"14:05:01"});
    EXPECT_EQ(r.scheduler.shown().timeText, " 14:05:01");
    EXPECT_EQ(r.scheduler.shown().dateText, " 2026-12-07");
    const ClockFields& c = r.scheduler.shown().clock;
    EXPECT_EQ((std::vector<int>{c.DayOfWeek, c.Hour, c.Minute, c.Day, c.Month, c.Year}),
              (std::vector<int>{2, 14, 5, 7, 12, 2026}));
}

// Held on, CTS or DSR starts one bulletin; it must drop and rise again,
// outside a bulletin, for another; without its check box it only shows.
TEST(SchedulerTest, ARisingCtsOrDsrStartsOneBulletin) {
    for (const SerialPin pin : {SerialPin::CTS, SerialPin::DSR}) {
        const bool cts = pin == SerialPin::CTS;
        Rig r;
        const std::string& label = cts ? r.scheduler.shown().ctsLamp : r.scheduler.shown().dsrLamp;
        r.player.duration = 2000;  // a bulletin of about nine seconds
        r.port.choosePort("COM1");
        r.start();
        r.set(pin, true);
        r.tick();
        EXPECT_EQ(label, cts ? "CTS=On" : "DSR=On");
        r.set(pin, false);  // dropped and raised during the bulletin: unseen
        r.tick();
        r.set(pin, true);
        r.loop.advance(kMinute);
        EXPECT_EQ(r.triggers, std::vector<BulletinTrigger>{cts ? BulletinTrigger::CTS : BulletinTrigger::DSR});

        r.set(pin, false);
        r.tick();
        EXPECT_EQ(label, cts ? "CTS=Off" : "DSR=Off");
        r.set(pin, true);
        r.tick();
        EXPECT_EQ(r.starts.size(), 2u);

        r.loop.advance(kMinute);
        (cts ? r.lines.triggerOnCts : r.lines.triggerOnDsr) = false;
        r.set(pin, false);
        r.tick();
        r.set(pin, true);
        r.tick();
        EXPECT_EQ(label, cts ? "CTS=On" : "DSR=On");
        EXPECT_EQ(r.starts.size(), 2u);
    }
}

// Any bulletin counts as the edge of a line: one that comes on during it starts no other.
TEST(SchedulerTest, ALineRaisedDuringAButtonBulletinStartsNoOther) {
    for (const SerialPin pin : {SerialPin::CTS, SerialPin::DSR}) {
        Rig r;
        r.player.duration = 2000;
        r.port.choosePort("COM1");
        r.start();
        r.seq.requestBulletin(BulletinTrigger::Button);
        r.set(pin, true);
        r.loop.advance(kMinute);
        EXPECT_EQ(r.triggers, std::vector<BulletinTrigger>{BulletinTrigger::Button});
    }
}

TEST(SchedulerTest, OneEdgeATickCtsFirst) {
    Rig r;
    r.port.choosePort("COM1");
    r.lines.triggerOnCts = false;
    r.start();
    r.set(SerialPin::CTS, true);
    r.set(SerialPin::DSR, true);
    r.tick();
    EXPECT_EQ(r.scheduler.shown().ctsLamp + " " + r.scheduler.shown().dsrLamp, "CTS=On DSR=Off");
    EXPECT_TRUE(r.starts.empty());
    r.tick();
    EXPECT_EQ(r.scheduler.shown().dsrLamp, "DSR=On");
    EXPECT_EQ(r.triggers, std::vector<BulletinTrigger>{BulletinTrigger::DSR});
}

TEST(SchedulerTest, CarrierDetectBlocksTheScheduleAndTheButton) {
    Rig r("5", 10, 3);
    r.port.choosePort("COM1");
    r.set(SerialPin::DCD, true);
    r.start();
    r.loop.advance(3 * kMinute);  // through 10:06
    r.seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_TRUE(r.starts.empty());
    EXPECT_EQ(r.scheduler.shown().dcdLamp, "DCD=On");
    EXPECT_TRUE(r.scheduler.shown().bulletinsHeldLamp && !r.scheduler.shown().bulletinsAllowedLamp);

    // The port window releases the port: the carrier is forgotten at once.
    r.port.chooseNoPort();
    r.scheduler.portReleased();
    EXPECT_EQ(r.scheduler.shown().dcdLamp, "DCD=Off");
    EXPECT_TRUE(r.scheduler.shown().bulletinsAllowedLamp && !r.scheduler.shown().bulletinsHeldLamp);
    r.seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_EQ(r.starts.size(), 1u);

    // Without its check box the carrier only shows.
    r.port.choosePort("COM1");
    r.lines.holdOnDcd = false;
    r.loop.advance(5 * kMinute);  // through 10:11
    EXPECT_EQ(r.scheduler.shown().dcdLamp, "DCD=On");
    EXPECT_EQ(r.starts.back(), "10:10:00");
}

// Inputs that tell their changes are read at once, by the same rules as the
// tick's: CTS from the port, the switch's trigger line, and its busy line,
// which holds bulletins back as carrier detect does.
TEST(SchedulerTest, InputsThatTellTheirChangesAreActedOnBetweenTicks) {
    Rig r;
    r.player.duration = 2000;
    r.port.choosePort("COM1");
    r.keySwitch.inputs = {{SwitchInput::Trigger, false}, {SwitchInput::Busy, false}};
    r.scheduler.inputsChanged();
    r.set(SerialPin::CTS, true);
    r.scheduler.inputsChanged();
    EXPECT_TRUE(r.starts.empty()) << "before the start-up has run";
    r.set(SerialPin::CTS, false);
    r.start();
    r.loop.advance(300);  // between two ticks

    r.set(SerialPin::CTS, true);
    r.scheduler.inputsChanged();
    EXPECT_EQ(r.triggers, std::vector<BulletinTrigger>{BulletinTrigger::CTS});
    r.loop.advance(kMinute);

    r.keySwitch.inputs[SwitchInput::Trigger] = true;
    r.scheduler.inputsChanged();
    r.scheduler.inputsChanged();
    EXPECT_EQ(r.triggers, (std::vector<BulletinTrigger>{BulletinTrigger::CTS, BulletinTrigger::GpioLine}));
    r.loop.advance(kMinute);
    r.keySwitch.inputs[SwitchInput::Trigger] = false;
    r.keySwitch.inputs[SwitchInput::Busy] = true;
    r.scheduler.inputsChanged();
    EXPECT_EQ(r.scheduler.shown().dcdLamp, "DCD=On");
    r.keySwitch.inputs[SwitchInput::Trigger] = true;
    r.scheduler.inputsChanged();
    r.seq.requestBulletin(BulletinTrigger::Button);
    EXPECT_EQ(r.triggers.size(), 2u) << "the busy line holds every start back";

    // Without a port, the switch's lines alone are watched.
    r.port.chooseNoPort();
    r.keySwitch.inputs[SwitchInput::Busy] = false;
    r.keySwitch.inputs[SwitchInput::Trigger] = false;
    r.tick();
    r.keySwitch.inputs[SwitchInput::Trigger] = true;
    r.scheduler.inputsChanged();
    EXPECT_EQ(r.triggers.size(), 3u);
    EXPECT_EQ(r.scheduler.shown().dcdLamp, "DCD=Off");
}

TEST(SchedulerTest, HourlyLogLineOnceAnHourWithRoundedValues) {
    Rig r("0", 10, 58);
    std::vector<std::string> logged;
    r.scheduler.appendLog = [&](const std::string& text) { logged.push_back(text); };
    MeteoData d;
    d.Tint = 21.5;  // ties to even
    d.Text = -3.6;
    d.Patm = 1013.4;
    d.Vent = 12.5;
    d.Rafa = std::numeric_limits<double>::quiet_NaN();
    d.Dire = 270;
    bool wanted = true;
    r.scheduler.hourlyObservation = [&] { return wanted ? std::optional(d) : std::nullopt; };
    r.start();
    r.loop.advance(63 * kMinute);  // through 12:01
    wanted = false;
    r.loop.advance(60 * kMinute);
    EXPECT_EQ(logged, std::vector<std::string>(2, "Meteo MonII Tini=22 Text=-4 PAtm=1013 Vient0=12 Rafaga=? Direc=270"));
    d.Patm = 1e300;
    EXPECT_EQ(hourlyLogLine(d), "Meteo MonII Tini=22 Text=-4 PAtm=? Vient0=12 Rafaga=? Direc=270");
}

}  // namespace
}  // namespace skycrier
