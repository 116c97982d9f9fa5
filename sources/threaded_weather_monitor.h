#pragma once
// The Weather Monitor II console on a thread of its own: the station
// library's calls run there, one after the other, and their answers are
// posted back to the loop. A line lost since the port was opened (a USB
// adapter pulled out) is opened again before the next reading, so the station
// comes back by itself once the adapter is back.

#include <functional>
#include <memory>
#include <string>

#include "platform/serial_line.h"
#include "platform/task_scope.h"
#include "platform/worker_thread.h"
#include "sources/weather_monitor_link.h"
#include "sources/weather_monitor_station.h"

namespace skycrier {

class ThreadedWeatherMonitor final : public WeatherMonitorLink {
public:
    // The console is on the line given (in the programs, the machine's tty device).
    ThreadedWeatherMonitor(EventLoop& loop, std::unique_ptr<SerialDataLine> line);
    // Waits for the call under way (a few seconds at most), drops the others
    // and their answers, and closes the port.
    ~ThreadedWeatherMonitor() override;
    ThreadedWeatherMonitor(const ThreadedWeatherMonitor&) = delete;
    ThreadedWeatherMonitor& operator=(const ThreadedWeatherMonitor&) = delete;

    void openCommPort(const std::string& devicePath, int baudRate, std::function<void(int)> done) override;
    void closeCommPort() override;
    double getDllVersion() const override { return WeatherMonitorStation::getDllVersion(); }
    void read(Reading reading, std::function<void(double)> done) override;

private:
    double readNow(Reading reading);

    // Declared first, so it outlives the thread that posts through it.
    TaskScope tasks_;
    std::unique_ptr<SerialDataLine> line_;
    WeatherMonitorStation station_{*line_};
    // The port last opened, for opening it again; the thread's own.
    std::string device_;
    int baudRate_ = 0;
    WorkerThread worker_{WorkerThread::AtEnd::DropQueued};
};

}  // namespace skycrier
