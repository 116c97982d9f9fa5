#include "platform/threaded_weather_monitor.h"

namespace skycrier {

ThreadedWeatherMonitor::ThreadedWeatherMonitor(EventLoop& loop) : tasks_(loop), thread_([this] { run(); }) {}

ThreadedWeatherMonitor::~ThreadedWeatherMonitor() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        calls_.clear();
    }
    wake_.notify_one();
    thread_.join();
    tasks_.clear();
}

void ThreadedWeatherMonitor::openCommPort(const std::string& devicePath, int baudRate,
                                          std::function<void(int)> done) {
    enqueue([this, devicePath, baudRate, done = std::move(done)] {
        device_ = devicePath;
        baudRate_ = baudRate;
        const int result = station_.openCommPort(devicePath, baudRate);
        tasks_.post([done, result] { done(result); });
    });
}

void ThreadedWeatherMonitor::closeCommPort() {
    enqueue([this] {
        device_.clear();
        station_.closeCommPort();
    });
}

void ThreadedWeatherMonitor::read(Reading reading, std::function<void(double)> done) {
    enqueue([this, reading, done = std::move(done)] {
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

void ThreadedWeatherMonitor::enqueue(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    wake_.notify_one();
}

void ThreadedWeatherMonitor::run() {
    for (;;) {
        std::function<void()> call;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !calls_.empty(); });
            if (stopping_) break;
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
    station_.closeCommPort();
}

}  // namespace skycrier
