// The Weather Monitor II source on a scripted station line.

#include "sources/monitor_source.h"

#include "base/weather_sources.h"
#include "sources/source_fixture.h"
#include "platform/linux_serial_data_line.h"
#include "sources/threaded_weather_monitor.h"
#include "support/fake_weather_monitor.h"
#include "support/wm2_simulator_process.h"

namespace skycrier::test {
namespace {

using Reading = WeatherMonitorLink::Reading;

class MonitorSourceTest : public SourceFixture {
protected:
    MonitorSourceTest() {
        stations.context.weatherMonitor = &station;
        stations.context.serialPorts = [] { return std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0"}; };
        stations.context.mainWindowTime = [] { return std::string(" 12:00:00"); };
        stations.context.bulletinOnAir = [this] { return onAir; };
        finished = monitor.poller().finished.connect([this](bool read) { polls.push_back(read); });
    }

    // Chooses the source with the port configured, as the start-up does.
    void choose(const std::string& port) {
        ASSERT_TRUE(monitor.loadPort(port));
        stations.sourceChoice.check(SourceKind::MON);
        loop.runPending();
    }
    void poll(double windMph) {
        station.values[Reading::WindSpeed] = windMph;
        monitor.refreshNow();
        loop.runPending();
    }

    FakeWeatherMonitor station{loop};
    MonitorSource& monitor = stations.monitorSource;
    bool onAir = false;
    std::vector<bool> polls;
    Subscription finished;
};

TEST_F(MonitorSourceTest, ReadingsInEitherUnitSystem) {
    const struct {
        bool metric;
        double tint, text, patm, vent;
        const char* captions[5];
    } cases[] = {
        {.metric = true, .tint = 20, .text = 10, .patm = 29.92 / 0.02953, .vent = 10 * 1.609344,
         .captions = {"T-int (°C)= 20.0", "T-ext (°C) = 10.0", "P-atm (hPa) = 1013.2", "Viento (km/h) = 16",
                      "Ráfaga (km/h) = 16"}},
        {.metric = false, .tint = 68, .text = 50, .patm = 29.92, .vent = 10,
         .captions = {"T-int (°F)= 68.0", "T-ext (°F) = 50.0", "P-atm (inHg) = 29.92", "Viento (mph) = 10",
                      "Ráfaga (mph) = 10"}},
    };
    for (const auto& c : cases) {
        if (!c.metric) imperial();
        station.values[Reading::WindSpeed] = 10;
        choose("/dev/ttyUSB0");
        const MeteoData& m = monitor.meteo();
        EXPECT_DOUBLE_EQ(m.Tint, c.tint);
        EXPECT_DOUBLE_EQ(m.Text, c.text);
        EXPECT_DOUBLE_EQ(m.Patm, c.patm);
        EXPECT_DOUBLE_EQ(m.Vent, c.vent);
        EXPECT_NEAR(m.Rafa, c.vent, 1e-6) << "the gust of the earlier poll follows the unit";
        EXPECT_EQ(m.Tend, 1);
        EXPECT_EQ(m.Dire, 90);
        const CheckBox* boxes[] = {&monitor.boxes().insideTemperatureBox, &monitor.boxes().outsideTemperatureBox,
                                   &monitor.boxes().pressureBox, &monitor.boxes().windBox, &monitor.boxes().gustBox};
        for (std::size_t i = 0; i < std::size(boxes); ++i) {
            EXPECT_EQ(boxes[i]->caption, c.captions[i]);
            EXPECT_FALSE(boxes[i]->red) << c.captions[i];
        }
        EXPECT_EQ(monitor.boxes().tendencyBox.caption, "Tendencia: creciente");
        EXPECT_EQ(monitor.boxes().directionBox.caption, "Dirección (°) = 90");
        EXPECT_TRUE(sourceUsable(SourceKind::MON, m));
        EXPECT_EQ(station.opened.back(), "/dev/ttyUSB0");
        EXPECT_EQ(station.baud, 2400);
    }
}

TEST_F(MonitorSourceTest, TheGustIsTheHighestValidWindOfTheLastTenPolls) {
    imperial();
    choose("1");
    EXPECT_EQ(monitor.meteo().Rafa, 0) << "a calm first poll: the other slots are still empty";
    poll(7);
    EXPECT_EQ(monitor.meteo().Rafa, 7) << "the first valid wind is the gust";
    for (int i = 0; i < 10; ++i) poll(20);
    for (int later = 1; later <= 10; ++later) {
        poll(5);
        EXPECT_EQ(monitor.meteo().Rafa, later < 10 ? 20 : 5) << later << " polls of 5";
    }
    poll(250);
    EXPECT_TRUE(monitor.boxes().windBox.red);
    EXPECT_EQ(monitor.meteo().Vent, 250);
    EXPECT_EQ(monitor.meteo().Rafa, 5) << "an implausible wind stays out of the ring";
    poll(-1);
    EXPECT_TRUE(monitor.boxes().windBox.red);
    poll(6);
    EXPECT_FALSE(monitor.boxes().windBox.red);
    EXPECT_EQ(monitor.meteo().Rafa, 6);
}

TEST_F(MonitorSourceTest, TrendCodes) {
    const struct {
        double code;
        std::int8_t stored;
        const char* caption;
    } cases[] = {
        {.code = 2, .stored = 2, .caption = "Tendencia: decreciente"},
        {.code = 0, .stored = 0, .caption = "Tendencia: variable"},
        {.code = 3, .stored = 3, .caption = "Tendencia: variable"},
        {.code = 255, .stored = -1, .caption = "Tendencia: variable"},
        {.code = 1, .stored = 1, .caption = "Tendencia: creciente"},
        {.code = 3, .stored = 3, .caption = "Tendencia: creciente"},
    };
    choose("1");
    for (const auto& c : cases) {
        station.values[Reading::BarometerTrend] = c.code;
        monitor.refreshNow();
        loop.runPending();
        EXPECT_EQ(monitor.meteo().Tend, c.stored) << c.code;
        EXPECT_EQ(monitor.boxes().tendencyBox.caption, c.caption) << c.code;
    }
}

// The line answers later: the status line counts the readings down meanwhile.
TEST_F(MonitorSourceTest, TheStatusCountsTheReadingsDown) {
    station.holdAnswers = true;
    monitor.poller().setMinutes(5);
    choose("1");
    ASSERT_TRUE(monitor.poller().inFlight());
    ASSERT_TRUE(station.release()) << "the opening";
    const std::vector<std::pair<Reading, std::string>> expected = {
        {Reading::InsideTemp, "Weather Monitor leer ... (6)"}, {Reading::OutsideTemp, "Weather Monitor leer (5)"},
        {Reading::Barometer, "Weather Monitor leer (4)"},      {Reading::BarometerTrend, "Leyendo Weather Monitor (3)"},
        {Reading::WindSpeed, "Weather Monitor leer(2)"},       {Reading::WindDirection, "Weather Monitor leer (1)"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(station.reads.size(), i + 1);
        EXPECT_EQ(station.reads[i], expected[i].first);
        EXPECT_EQ(monitor.statusText(), expected[i].second);
        EXPECT_FALSE(monitor.poller().enabled());
        station.release();
    }
    EXPECT_EQ(monitor.statusText(), "Weather Monitor cerrado( 12:00:00 )");
    EXPECT_EQ(monitor.versionText(), "DLL-Version: 1.000");
    EXPECT_TRUE(monitor.poller().enabled());
    EXPECT_EQ(monitor.poller().interval(), 5 * 60'000);
    EXPECT_EQ(polls, std::vector<bool>{true});
    EXPECT_FALSE(monitor.poller().inFlight());
}

TEST_F(MonitorSourceTest, ASilentStationEndsThePollButNotThePolling) {
    choose("1");
    station.reads.clear();
    station.values[Reading::InsideTemp] = -999;
    const Millis interval = monitor.poller().interval();
    monitor.poll();
    loop.runPending();
    EXPECT_EQ(station.reads, std::vector<Reading>{Reading::InsideTemp});
    EXPECT_EQ(monitor.statusText(), kMonitorStationError);
    EXPECT_FALSE(monitor.connected());
    EXPECT_FALSE(sourceUsable(SourceKind::MON, monitor.meteo()));
    EXPECT_TRUE(monitor.poller().enabled());
    EXPECT_EQ(monitor.poller().interval(), interval);
    EXPECT_EQ(polls, (std::vector<bool>{true, false}));

    station.values[Reading::InsideTemp] = 68;
    loop.advance(interval);
    EXPECT_TRUE(monitor.connected()) << "the next poll finds the station again";
}

TEST_F(MonitorSourceTest, ChoosingAPort) {
    // The list: "No COM" and the machine's ports, shown on a click of the port button.
    monitor.showPortList();
    EXPECT_EQ(monitor.portList().Items, (std::vector<std::string>{"No COM", "/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_TRUE(monitor.portList().visible);

    // A port that does not open (a console silent or unplugged at start) is
    // opened again at each period, as after an unplug, until the console answers.
    station.openResult = 0;
    monitor.choosePortFromList(1);
    loop.runPending();
    EXPECT_FALSE(monitor.portList().visible);
    EXPECT_EQ(monitor.portButtonText(), "COM=/dev/ttyS0");
    EXPECT_EQ(monitor.statusText(), kMonitorPortError);
    EXPECT_TRUE(station.reads.empty());
    loop.advance(monitor.poller().interval());
    EXPECT_EQ(station.opened.size(), 2u);
    EXPECT_FALSE(monitor.connected());
    station.openResult = 1;
    loop.advance(monitor.poller().interval());
    EXPECT_TRUE(monitor.connected());
    EXPECT_EQ(station.reads.size(), 6u);

    // A configured port the machine does not list is kept and tried.
    station.openResult = 1;
    monitor.prepareToShow();
    choose("7");
    EXPECT_EQ(monitor.portList().Items.back(), "COM7");
    EXPECT_FALSE(monitor.portList().visible) << "filled silently";
    EXPECT_EQ(monitor.portButtonText(), "COM=7");
    EXPECT_EQ(monitor.portConfigValue(), "7");
    EXPECT_TRUE(monitor.connected());

    // "No COM": the window hides, the station is closed and nothing polls.
    const int closes = station.closes;
    monitor.choosePortFromList(0);
    EXPECT_EQ(station.closes, closes + 1);
    EXPECT_FALSE(monitor.visible());
    EXPECT_EQ(monitor.portButtonText(), "COM=0");
    EXPECT_EQ(monitor.portConfigValue(), "0");
    EXPECT_FALSE(sourceUsable(SourceKind::MON, monitor.meteo()));
    station.reads.clear();
    loop.advance(10 * 60'000);
    monitor.poll();
    loop.runPending();
    EXPECT_TRUE(station.reads.empty());
}

TEST_F(MonitorSourceTest, APollDueDuringABulletinWaitsForItsEnd) {
    choose("1");
    station.reads.clear();
    onAir = true;
    loop.advance(monitor.poller().interval());
    EXPECT_TRUE(monitor.meteo().DeferredPoll);
    EXPECT_TRUE(station.reads.empty());
    EXPECT_FALSE(monitor.poller().enabled());
    onAir = false;
    stations.sourceChoice.pollIfDeferred(SourceKind::MON);
    loop.runPending();
    EXPECT_EQ(station.reads.size(), 6u);
}

TEST_F(MonitorSourceTest, AnswersForAnEarlierPortAreDropped) {
    station.holdAnswers = true;
    choose("1");
    station.release();
    station.release();  // inside temperature: 20 °C
    station.values[Reading::InsideTemp] = 86;
    monitor.choosePortFromList(2);
    EXPECT_EQ(polls, std::vector<bool>{false}) << "the abandoned poll has ended";
    while (station.release()) {
    }
    EXPECT_EQ(monitor.meteo().Tint, 30) << "only the new port's poll counts";
    EXPECT_EQ(station.reads.size(), 2u + 6u) << "two asked on the old port, six on the new";
    EXPECT_EQ(polls, (std::vector<bool>{false, true}));
}

TEST_F(MonitorSourceTest, ShowingTheWindowWritesTheUnitsIntoTheCaptions) {
    imperial();
    monitor.prepareToShow();
    EXPECT_EQ(monitor.boxes().insideTemperatureBox.caption, "T-int (°F) =");
    EXPECT_EQ(monitor.boxes().outsideTemperatureBox.caption, "T-ext (°F) =");
    EXPECT_EQ(monitor.boxes().pressureBox.caption, "P-atm (inHg) =");
    EXPECT_EQ(monitor.boxes().windBox.caption, "Viento (mph) =");
    EXPECT_EQ(monitor.boxes().gustBox.caption, "Ráfaga (mph) =");
}

// A console whose adapter is plugged in after the start (here: the simulator's
// line appears behind the configured name) is found at the next period.
class LateConsoleTest : public SourceFixture {};

TEST_F(LateConsoleTest, AConsoleAbsentAtStartIsFoundAtTheNextPeriod) {
    ThreadedWeatherMonitor link(loop, std::make_unique<LinuxSerialDataLine>());
    stations.context.weatherMonitor = &link;
    stations.sourceChoice.startMinimised = [] { return true; };
    const std::string port = (dir.path() / "ttyUSB-console").string();
    MonitorSource& monitor = stations.monitorSource;
    ASSERT_TRUE(monitor.loadPort(port));
    stations.sourceChoice.check(SourceKind::MON);
    ASSERT_TRUE(loop.waitForPostsUntil([&] { return !monitor.poller().inFlight(); }, 20'000));
    EXPECT_FALSE(monitor.connected());
    EXPECT_EQ(monitor.statusText(), kMonitorPortError);

    Wm2Simulator console({"--inside", "68"});
    std::filesystem::create_symlink(console.device(), port);
    loop.advance(monitor.poller().interval());
    ASSERT_TRUE(loop.waitForPostsUntil([&] { return !monitor.poller().inFlight(); }, 20'000));
    EXPECT_TRUE(monitor.connected());
    EXPECT_EQ(monitor.boxes().insideTemperatureBox.caption, "T-int (°C)= 20.0");
    monitor.closeStation();
}

}  // namespace
}  // namespace skycrier::test
