#pragma once
// The units every value is spoken and shown in. A factor of exactly 1 is the
// program-wide sign that the metric unit is selected.

#include <string>

namespace skycrier {

// Miles per hour in one km/h: the imperial wind factor.
inline constexpr double kMphPerKmh = 0.6213712;

struct SpeechUnits {
    std::string TempText = "C";
    double TempFactor = 1;
    double TempOffset = 0;
    std::string PressText = "hPa";
    double PressFactor = 1;
    double CorrFactor = 1;
    double TendFactor = 1;
    std::string WindText = "km/h";
    double WindFactor = 1;
    std::string RainText = "mm";
    double RainFactor = 1;

    void setTemperatureMetric(bool celsius);
    void setPressureMetric(bool hectopascal);
    void setWindMetric(bool kmh);
    void setRainMetric(bool mm);

    bool temperatureMetric() const { return TempFactor == 1; }
    bool pressureMetric() const { return PressFactor == 1; }
    bool windMetric() const { return WindFactor == 1; }
    bool rainMetric() const { return RainFactor == 1; }
};

}  // namespace skycrier
