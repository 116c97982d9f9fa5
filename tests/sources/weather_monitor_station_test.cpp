// The station protocol against the console simulator on a real pseudo-terminal.

#include "sources/weather_monitor_station.h"

#include <gtest/gtest.h>

#include "platform/linux_serial_data_line.h"
#include "support/wm2_simulator_process.h"

namespace skycrier {
namespace {

using Simulator = test::Wm2Simulator;
using Station = WeatherMonitorStation;

// The station protocol on a serial device of its own.
struct Console {
    LinuxSerialDataLine line;
    Station station{line};
};

// The console's calibration offsets are applied to the uncalibrated loop values.
TEST(WeatherMonitorStation, ReadsTheConsoleInItsOwnUnits) {
    Simulator simulator({"--inside", "68", "--outside", "-4.5", "--barometer", "29.92", "--wind", "12",
                         "--direction", "270", "--trend", "rising", "--inside-offset", "-15", "--outside-offset",
                         "7", "--barometer-offset", "-40"});
    Console console;
    Station& station = console.station;
    ASSERT_EQ(station.openCommPort(simulator.device(), 2400), 1) << station.lastError();
    EXPECT_DOUBLE_EQ(station.getInsideTemp(), 68.0);
    EXPECT_DOUBLE_EQ(station.getOutsideTemp(), -4.5);
    EXPECT_DOUBLE_EQ(station.getBarometer(), 29.92);
    EXPECT_DOUBLE_EQ(station.getWindSpeed(), 12.0);
    EXPECT_EQ(station.getWindDirection(), 270);
    EXPECT_EQ(station.getBarometerTrend(), 1);
    EXPECT_DOUBLE_EQ(Station::getDllVersion(), Station::kVersion);
}

TEST(WeatherMonitorStation, TrendCodes) {
    const struct {
        const char* trend;
        std::uint8_t code;
    } cases[] = {{"steady", 0}, {"rising", 1}, {"falling", 2}, {"none", Station::kNoTrend}};
    for (const auto& c : cases) {
        Simulator simulator({"--trend", c.trend});
        Console console;
        Station& station = console.station;
        ASSERT_EQ(station.openCommPort(simulator.device(), 2400), 1) << c.trend;
        EXPECT_EQ(station.getBarometerTrend(), c.code) << c.trend;
    }
}

// Every fault spoils the packet twice, so the reading fails after its one retry.
TEST(WeatherMonitorStation, BadPacketsAndAnUnpluggedLineFail) {
    const struct {
        const char* fault;
        const char* reason;
    } cases[] = {{"crc", "packet CRC mismatch"}, {"silence", "station silent"}, {"short", "short reply"},
                 {"garbage", "no acknowledgement"}, {"unplug", "line lost"}};
    for (const auto& c : cases) {
        Simulator simulator({"--fault", c.fault});
        Console console;
        Station& station = console.station;
        ASSERT_EQ(station.openCommPort(simulator.device(), 2400), 1) << c.fault;
        EXPECT_EQ(station.getInsideTemp(), Station::kNoTemperature) << c.fault;
        EXPECT_EQ(station.lastError().rfind(c.reason, 0), 0u) << c.fault << ": " << station.lastError();
    }
}

TEST(WeatherMonitorStation, OneSpoiltPacketIsAskedForAgain) {
    const struct {
        const char* fault;
        const char* spoilt;
        double inside;
    } cases[] = {{"crc", "1", 68.0}, {"garbage", "1", 68.0}, {"crc", "2", Station::kNoTemperature}};
    for (const auto& c : cases) {
        Simulator simulator({"--inside", "68", "--fault", c.fault, "--faulty-answers", c.spoilt});
        Console console;
        Station& station = console.station;
        ASSERT_EQ(station.openCommPort(simulator.device(), 2400), 1);
        EXPECT_EQ(station.getInsideTemp(), c.inside) << c.fault << " x" << c.spoilt;
    }
}

TEST(WeatherMonitorStation, AnUnpluggedLineStaysFailed) {
    Simulator simulator({"--fault", "unplug"});
    Console console;
    Station& station = console.station;
    ASSERT_EQ(station.openCommPort(simulator.device(), 2400), 1);
    EXPECT_EQ(station.getWindSpeed(), Station::kNoWind);
    EXPECT_EQ(station.getWindDirection(), Station::kNoDirection);
    EXPECT_EQ(station.getBarometer(), Station::kNoBarometer);
    EXPECT_EQ(station.getBarometerTrend(), Station::kNoTrend);
}

TEST(WeatherMonitorStation, OpeningFailsWithoutAStation) {
    Console console;
    Station& station = console.station;
    EXPECT_NE(station.openCommPort("/nonexistent/ttyS0", 2400), 1);
    EXPECT_NE(station.openCommPort("/dev/null", 2400), 1);
    Simulator simulator({});
    EXPECT_NE(station.openCommPort(simulator.device(), 9600), 1);
    EXPECT_EQ(station.getInsideTemp(), Station::kNoTemperature);
}

}  // namespace
}  // namespace skycrier
