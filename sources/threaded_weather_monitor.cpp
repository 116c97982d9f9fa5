#include "sources/threaded_weather_monitor.h"

namespace skycrier {

ThreadedWeatherMonitor::ThreadedWeatherMonitor(EventLoop& loop, std::unique_ptr<SerialDataLine> line)
    : tasks_(loop), line_(std::move(line)) {}

ThreadedWeatherMonitor::~ThreadedWeatherMonitor() {
    worker_.finish();
    station_.closeCommPort();
    tasks_.clear();
}

void ThreadedWeatherMonitor::openCommPort(const std::string& devicePath, int baudRate,
                                          std::function<void(int)> done) {
    worker_.enqueue([this, devicePath, baudRate, done = std::move(done)] {
        device_ = devicePath;
        baudRate_ = baudRate;
        const int result = station_.openCommPort(devicePath, baudRate);
        tasks_.post([done, result] { done(result); });
    });
}

void ThreadedWeatherMonitor::closeCommPort() {
    worker_.enqueue([this] {
        device_.clear();
        station_.closeCommPort();
    });
}

void ThreadedWeatherMonitor::read(Reading reading, std::function<void(double)> done) {
    worker_.enqueue([this, reading, done = std::move(done)] {
        const double value = readNow(reading);
        tasks_.post([done, value] { done(value); });
    });
}

double ThreadedWeatherMonitor::readNow(Reading reading) {
    if (!station_.isOpen() && !device_.empty()) station_.openCommPort(device_, baudRate_);
    switch (reading) {
    case Reading::InsideTemp: return station_.getInsideTemp();
    case Reading::OutsideTemp: return station_.getOutsideTemp();
    case Reading::Barometer: return station_.getBarometer();
    case Reading::BarometerTrend: return station_.getBarometerTrend();
    case Reading::WindSpeed: return station_.getWindSpeed();
    case Reading::WindDirection: return station_.getWindDirection();
    }
    return 0;
}

}  // namespace skycrier
