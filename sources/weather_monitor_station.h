#pragma once
// A Davis Weather Monitor II console on a serial data line (2400 8N1): the
// station readings the Weather Monitor source asks for, in the console's
// own units. Each reading asks for one fresh LOOP packet; a lost or corrupt
// packet is asked for once more after a flush, then the reading fails with
// its failure value. No call waits more than about two seconds per attempt,
// and a line that hangs up (unplugged adapter) fails at once.
//
// Threading: one thread at a time (the console's worker, see ThreadedWeatherMonitor).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/serial_line.h"

namespace skycrier {

class WeatherMonitorStation {
public:
    static constexpr double kVersion = 1.0;
    // Failure values: a temperature far below -70 °C, a negative wind, a
    // barometer of 0, a trend code other than 0..2, a negative direction.
    static constexpr double kNoTemperature = -999.0;
    static constexpr double kNoBarometer = 0.0;
    static constexpr double kNoWind = -1.0;
    static constexpr std::uint8_t kNoTrend = 0xFF;
    static constexpr int kNoDirection = -1;

    // The line outlives the station.
    explicit WeatherMonitorStation(SerialDataLine& line) : line_(line) {}
    ~WeatherMonitorStation() { closeCommPort(); }
    WeatherMonitorStation(const WeatherMonitorStation&) = delete;
    WeatherMonitorStation& operator=(const WeatherMonitorStation&) = delete;

    // Opens the device (callers map "COM"+n to a device path beforehand) and
    // reads the calibration words, which proves the station answers.
    // 1 = opened and reachable; anything else is a failure (port closed again).
    int openCommPort(const std::string& devicePath, int baudRate);
    void closeCommPort() { line_.close(); }
    // A port is open; a lost line closes it.
    bool isOpen() const { return line_.isOpen(); }
    static double getDllVersion() { return kVersion; }

    double getInsideTemp();   // °F
    double getOutsideTemp();  // °F
    double getBarometer();    // inHg
    std::uint8_t getBarometerTrend();  // 0 steady, 1 rising, 2 falling
    double getWindSpeed();    // mph
    int getWindDirection();   // degrees

    // Why the last failing call failed.
    const std::string& lastError() const { return error_; }

private:
    struct Loop {
        std::int16_t inside;
        std::int16_t outside;
        std::uint8_t wind;
        std::int16_t direction;
        std::int16_t barometer;
    };
    // One more try after a flush drops whatever is left of a spoilt answer;
    // a lost line is not retried.
    template <typename Attempt>
    auto retriedOnce(Attempt attempt) {
        auto result = attempt();
        if (result || !line_.isOpen()) return result;
        line_.flush();
        return attempt();
    }
    std::optional<Loop> readLoop();
    std::optional<Loop> tryLoop();
    std::optional<unsigned> readWord(std::uint8_t nibblesAndBank, std::uint8_t address);
    std::optional<unsigned> tryWord(std::uint8_t nibblesAndBank, std::uint8_t address);
    bool send(const std::uint8_t* bytes, std::size_t count);
    bool receive(std::uint8_t* bytes, std::size_t count);
    bool fail(const std::string& why);

    SerialDataLine& line_;
    std::int16_t insideOffset_ = 0;
    std::int16_t outsideOffset_ = 0;
    std::int16_t barometerOffset_ = 0;
    std::string error_;
};

}  // namespace skycrier
