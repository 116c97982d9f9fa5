// The console's line off the loop, against the simulator on a pseudo-terminal.

#include "sources/threaded_weather_monitor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/linux_serial_data_line.h"
#include "platform/virtual_loop.h"
#include "support/temp_dir.h"
#include "support/wm2_simulator_process.h"

namespace skycrier {
namespace {

using Reading = WeatherMonitorLink::Reading;

class ThreadedWeatherMonitorTest : public ::testing::Test {
protected:
    // One reading, answered on the loop.
    std::optional<double> read(Reading reading) {
        std::optional<double> answer;
        link.read(reading, [&answer](double value) { answer = value; });
        loop.waitForPostsUntil([&answer] { return answer.has_value(); }, 10'000);
        return answer;
    }
    int open(const std::string& device) {
        int result = -1;
        link.openCommPort(device, 2400, [&result](int r) { result = r; });
        loop.waitForPostsUntil([&result] { return result != -1; }, 10'000);
        return result;
    }

    VirtualLoop loop;
    ThreadedWeatherMonitor link{loop, std::make_unique<LinuxSerialDataLine>()};
};

TEST_F(ThreadedWeatherMonitorTest, AnswersComeBackInOrderOnTheLoop) {
    test::Wm2Simulator console({"--inside", "68", "--outside", "41", "--wind", "9", "--direction", "180"});
    ASSERT_EQ(open(console.device()), 1);
    std::vector<double> answers;
    for (const Reading r : {Reading::InsideTemp, Reading::OutsideTemp, Reading::WindSpeed, Reading::WindDirection})
        link.read(r, [&answers](double value) { answers.push_back(value); });
    loop.waitForPostsUntil([&answers] { return answers.size() == 4; }, 10'000);
    EXPECT_EQ(answers, (std::vector<double>{68, 41, 9, 180}));
    EXPECT_EQ(open("/dev/null"), 0);
}

// The port is named by a link, as udev names an adapter; the adapter is
// pulled out, then plugged in again.
TEST_F(ThreadedWeatherMonitorTest, APulledOutAdapterComesBackByItself) {
    test::TempDir dir;
    const auto port = dir.path() / "ttyUSB0";
    std::optional<test::Wm2Simulator> console(std::in_place, std::vector<std::string>{"--fault", "unplug"});
    std::filesystem::create_symlink(console->device(), port);
    ASSERT_EQ(open(port.string()), 1);
    EXPECT_EQ(read(Reading::InsideTemp), WeatherMonitorStation::kNoTemperature);
    EXPECT_EQ(read(Reading::WindSpeed), WeatherMonitorStation::kNoWind) << "no adapter, no answer";

    console.emplace(std::vector<std::string>{"--inside", "77"});
    std::filesystem::remove(port);
    std::filesystem::create_symlink(console->device(), port);
    EXPECT_EQ(read(Reading::InsideTemp), 77);

    link.closeCommPort();
    EXPECT_EQ(read(Reading::InsideTemp), WeatherMonitorStation::kNoTemperature) << "a closed port stays closed";
}

TEST(ThreadedWeatherMonitor, CallsLeftWhenItGoesAreNeverAnswered) {
    test::Wm2Simulator console({});
    VirtualLoop loop;
    int answers = 0;
    {
        ThreadedWeatherMonitor link(loop, std::make_unique<LinuxSerialDataLine>());
        link.openCommPort(console.device(), 2400, [&answers](int) { ++answers; });
        for (int i = 0; i < 20; ++i) link.read(Reading::Barometer, [&answers](double) { ++answers; });
    }
    loop.waitForPostsUntil([] { return false; }, 200);
    EXPECT_EQ(answers, 0);
}

}  // namespace
}  // namespace skycrier
