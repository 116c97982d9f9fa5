#pragma once
// A Weather Monitor II line for the source's tests: it answers each call with
// the values the test set, on the loop, or holds the answers until the test
// releases them one by one.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/task_scope.h"
#include "sources/weather_monitor_link.h"

namespace skycrier::test {

class FakeWeatherMonitor final : public WeatherMonitorLink {
public:
    explicit FakeWeatherMonitor(EventLoop& loop) : tasks_(loop) {}

    void openCommPort(const std::string& devicePath, int baudRate, std::function<void(int)> done) override {
        opened.push_back(devicePath);
        baud = baudRate;
        answer([done, result = openResult] { done(result); });
    }
    void closeCommPort() override { ++closes; }
    double getDllVersion() const override { return 1.0; }
    void read(Reading reading, std::function<void(double)> done) override {
        reads.push_back(reading);
        answer([done, value = values[reading]] { done(value); });
    }

    // Runs the oldest held answer; false when none is held.
    bool release() {
        if (held.empty()) return false;
        auto next = std::move(held.front());
        held.pop_front();
        next();
        return true;
    }

    int openResult = 1;
    std::map<Reading, double> values{{Reading::InsideTemp, 68},  {Reading::OutsideTemp, 50},
                                     {Reading::Barometer, 29.92}, {Reading::BarometerTrend, 1},
                                     {Reading::WindSpeed, 0},     {Reading::WindDirection, 90}};
    bool holdAnswers = false;
    std::deque<std::function<void()>> held;
    std::vector<std::string> opened;
    std::vector<Reading> reads;
    int baud = 0;
    int closes = 0;

private:
    void answer(std::function<void()> call) {
        if (holdAnswers)
            held.push_back(std::move(call));
        else
            tasks_.post(std::move(call));
    }

    TaskScope tasks_;
};

}  // namespace skycrier::test
