#pragma once
// The way to a Weather Monitor II console: the station library's calls, each
// answered later on the loop, so that a slow or silent console never holds
// the program up. Calls are carried out one after the other in the order
// they were made; their answers come back in that order.
//
// Threading: the loop's thread only; the answers run there too.

#include <functional>
#include <string>

namespace skycrier {

class WeatherMonitorLink {
public:
    // The six readings of a poll, in the console's own units.
    enum class Reading { InsideTemp, OutsideTemp, Barometer, BarometerTrend, WindSpeed, WindDirection };

    virtual ~WeatherMonitorLink() = default;

    // Opens the device and checks that the station answers; done(1) when it does.
    virtual void openCommPort(const std::string& devicePath, int baudRate, std::function<void(int)> done) = 0;
    virtual void closeCommPort() = 0;
    virtual double getDllVersion() const = 0;
    // °F, inHg, the trend code, mph or degrees, or the reading's failure value.
    virtual void read(Reading reading, std::function<void(double)> done) = 0;
};

}  // namespace skycrier
