#include "sources/derived_values.h"

#include <cmath>
#include <cstdio>

#include "base/rounding.h"

namespace skycrier {
namespace {

// A change this large (hPa, scaled to the unit) is a glitch, not weather.
constexpr double kTendencyLimit = 50;

}  // namespace

double finiteOrFail(double value) {
    if (!std::isfinite(value)) throw PollFailure("not a number");
    return value;
}

bool temperaturePlausible(double value, const SpeechUnits& u) {
    return value >= bounds::kTemperatureMin * u.TempFactor + u.TempOffset &&
           value <= bounds::kTemperatureMax * u.TempFactor + u.TempOffset;
}

bool pressurePlausible(double value, const SpeechUnits& u) {
    return value >= bounds::kPressureMin * u.PressFactor && value <= bounds::kPressureMax * u.PressFactor;
}

bool windPlausible(double value, const SpeechUnits& u) {
    return value >= bounds::kWindMin * u.WindFactor && value <= bounds::kWindMax * u.WindFactor;
}

bool humidityPlausible(double value) { return value >= bounds::kHumidityMin && value <= bounds::kHumidityMax; }

int tendencyClass(double change, double threshold, const SpeechUnits& u) {
    int tendency = 0;
    if (change > -kTendencyLimit * u.PressFactor && change < kTendencyLimit * u.PressFactor) {
        const double step = threshold * u.TendFactor;
        if (change > step) tendency = 1;
        if (-change > step) tendency = 2;
    }
    return tendency;
}

std::string tendencyCaption(int tendency) {
    switch (tendency) {
    case 1: return "Tendencia: creciente";
    case 2: return "Tendencia: decreciente";
    default: return "Tendencia: variable";
    }
}

// Codes are masked to 0..31, so the rounding always succeeds.
int directionDegrees(int code) { return roundHalfEven(code * 22.5).value_or(0); }

double dewPoint(double t, double humidity, const SpeechUnits& u) {
    const auto celsius = [](double c, double h) { return std::pow(h, 0.125) * (0.9 * c + 112) + 0.1 * c - 112; };
    const double h = humidity / 100;
    const double td = u.temperatureMetric() ? celsius(t, h) : celsius((t - 32) / 1.8, h) * 1.8 + 32;
    return finiteOrFail(td);
}

std::string fixed(double value, int decimals) {
    // Sized for the value: the largest double has 309 digits before the point.
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (length <= 0) return {};
    std::string shown(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(shown.data(), shown.size(), "%.*f", decimals, value);
    shown.pop_back();
    if (shown.front() == '-' && shown.find_first_not_of("-0.") == std::string::npos) shown.erase(0, 1);
    return shown;
}

}  // namespace skycrier
