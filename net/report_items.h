#pragma once
// What the METAR and APRS decoders share: the values both reports give, in
// the speech units, with the captions that show them; the numbers as the
// captions print them; the felt temperature; the red mark of an implausible
// value; and the one-line summary a CW beacon sends.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/speech_units.h"
#include "sources/source_window.h"

namespace skycrier {

// Missing values as the record holds them; a caption ending in "--" goes with each.
namespace missing {
inline constexpr double kTemperature = -200.0;
inline constexpr double kWind = -1.0;
inline constexpr std::int32_t kDirection = -1;
inline constexpr double kHumidity = -1;      // the byte 255 of a signed 8-bit field
inline constexpr double kPressureHpa = 900;  // below every plausible reading, times PressFactor
}  // namespace missing

// English month abbreviations, "Jan" to "Dec", of UI-View's time stamps.
inline constexpr std::array<std::string_view, 12> kMonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Fixed-point with exactly `decimals` decimals and at most `precision`
// significant digits: a value that would need more is first rounded to that
// many (1013.256 with precision 5 and 2 decimals shows "1013.30"). A value
// with more digits before the point than the precision keeps fixed notation
// (1852000, not an exponent form): only absurd reports get there, and their
// captions are red anyway.
std::string fixedPrecision(double value, int precision, int decimals);

// The nearest whole number (ties to even), "-0" shown as "0".
std::string wholeNumber(double value);

// The nearest whole number's digits, zero-padded to `width` after any "-" (-6 at width 3 is "-006").
std::string zeroPadded(double value, int width);

// The items both internet sources show.
struct ReportItems {
    double Text = missing::kTemperature;
    double TRes = missing::kTemperature;
    double Patm = 0;
    double Vent = missing::kWind;
    double Rafa = 0;
    std::int32_t Dire = missing::kDirection;
    double HumiExt = missing::kHumidity;
    Caption outsideTemperatureBox, pressureBox, windBox, gustBox, directionBox, feltTemperatureBox, rainBox,
        humidityBox, dewPointCaption;
};

// A caption that holds "--" shows no value.
bool showsValue(const Caption& caption);

// Each sets its value and caption from the report's value in metric units
// (nothing: missing).
void showGust(ReportItems& items, std::optional<double> kmh, const SpeechUnits& units);
void showTemperature(ReportItems& items, std::optional<double> celsius, const SpeechUnits& units);
// The correction is counted in CorrFactor steps (1 hPa or 0.01 inHg).
void showPressure(ReportItems& items, std::optional<double> hectopascals, int correction, const SpeechUnits& units);
void showWind(ReportItems& items, std::optional<double> kmh, const SpeechUnits& units);
// A direction outside 0..360 is no direction.
void showDirection(ReportItems& items, std::optional<int> degrees);
// From Text and Vent as set above; nothing below 5 km/h (or its speech-unit
// equivalent) or without a temperature. label is "Sensación" or "Escalofríos".
void showFeltTemperature(ReportItems& items, std::string_view label, const SpeechUnits& units);
// Red marks of the temperature, felt temperature, pressure, wind and gust
// captions that show an implausible value; every other caption stays black.
void paintImplausible(ReportItems& items, const SpeechUnits& units);

// The CW beacon's line: " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 77 ",
// each item only when present, always ending in a blank.
struct CwItems {
    std::optional<double> celsius;
    std::optional<double> hectopascals;
    std::optional<double> kmh;
    std::optional<double> feltCelsius;
    std::optional<int> humidity;
};
std::string cwLine(const CwItems& items);

// The felt temperature back in °C, for the CW line (nothing when it is missing).
std::optional<double> feltCelsius(const ReportItems& items, const SpeechUnits& units);

}  // namespace skycrier
