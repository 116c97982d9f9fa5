#include "net/report_items.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/felt_temperature.h"
#include "base/rounding.h"
#include "sources/derived_values.h"

namespace skycrier {
namespace {

// Below this wind (km/h, or its speech-unit equivalent) a felt temperature means nothing.
constexpr double kFeltWindMinimum = 5;

std::string withValue(std::string label, const std::optional<std::string>& value) {
    return label + (value ? *value : "--");
}

}  // namespace

std::string fixedPrecision(double value, int precision, int decimals) {
    // Below 10^(precision - decimals) the decimals never need more digits
    // than the precision allows: the common case, without the costly check.
    if (std::isfinite(value) && std::fabs(value) >= std::pow(10.0, precision - decimals)) {
        char significant[64];
        std::snprintf(significant, sizeof significant, "%.*e", precision - 1, value);
        const int exponent = std::atoi(std::strchr(significant, 'e') + 1);
        if (exponent + 1 + decimals > precision) value = std::strtod(significant, nullptr);
    }
    return fixed(value, decimals);
}

std::string wholeNumber(double value) {
    const double whole = std::nearbyint(value);
    if (const auto small = truncateTo<long long>(whole)) return std::to_string(*small);
    return fixed(whole, 0);
}

std::string zeroPadded(double value, int width) {
    std::string digits = wholeNumber(value);
    const bool negative = digits.front() == '-';
    if (negative) digits.erase(0, 1);
    if (digits.size() < static_cast<std::size_t>(width)) digits.insert(0, width - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

bool showsValue(const Caption& caption) { return caption.caption.find("--") == std::string::npos; }

void showGust(ReportItems& items, std::optional<double> kmh, const SpeechUnits& u) {
    items.Rafa = kmh ? *kmh * u.WindFactor : 0;
    items.gustBox.caption = withValue("Ráfaga (" + u.WindText + ") = ",
                                           kmh ? std::optional(fixedPrecision(items.Rafa, 4, 0)) : std::nullopt);
}

void showTemperature(ReportItems& items, std::optional<double> celsius, const SpeechUnits& u) {
    items.Text = celsius ? *celsius * u.TempFactor + u.TempOffset : missing::kTemperature;
    items.outsideTemperatureBox.caption = withValue("T-ext (°" + u.TempText + ") = ",
                                           celsius ? std::optional(fixedPrecision(items.Text, 5, 1)) : std::nullopt);
}

void showPressure(ReportItems& items, std::optional<double> hectopascals, int correction, const SpeechUnits& u) {
    items.Patm = hectopascals ? correction * u.CorrFactor + *hectopascals * u.PressFactor
                              : missing::kPressureHpa * u.PressFactor;
    const int decimals = u.pressureMetric() ? 1 : 2;
    items.pressureBox.caption =
        withValue("P-atm (" + u.PressText + ") = ",
                  hectopascals ? std::optional(fixedPrecision(items.Patm, 5, decimals)) : std::nullopt);
}

void showWind(ReportItems& items, std::optional<double> kmh, const SpeechUnits& u) {
    items.Vent = kmh ? *kmh * u.WindFactor : missing::kWind;
    items.windBox.caption = withValue("Viento (" + u.WindText + ") = ",
                                           kmh ? std::optional(fixedPrecision(items.Vent, 4, 0)) : std::nullopt);
}

void showDirection(ReportItems& items, std::optional<int> degrees) {
    const bool known = degrees && *degrees >= 0 && *degrees <= 360;
    items.Dire = known ? *degrees : missing::kDirection;
    items.directionBox.caption =
        withValue("Dirección (°) = ", known ? std::optional(std::to_string(*degrees)) : std::nullopt);
}

void showFeltTemperature(ReportItems& items, std::string_view label, const SpeechUnits& u) {
    const bool felt = items.Vent >= kFeltWindMinimum * u.WindFactor && showsValue(items.outsideTemperatureBox);
    items.TRes = felt ? feltTemperature(items.Text, items.Vent, u) : missing::kTemperature;
    items.feltTemperatureBox.caption = withValue(std::string(label) + " (°" + u.TempText + ") = ",
                                           felt ? std::optional(fixedPrecision(items.TRes, 5, 1)) : std::nullopt);
}

void paintImplausible(ReportItems& items, const SpeechUnits& u) {
    const auto paint = [](Caption& caption, bool implausible) { caption.red = implausible && showsValue(caption); };
    const double coldest = bounds::kTemperatureMin * u.TempFactor + u.TempOffset;
    const double hottest = bounds::kTemperatureMax * u.TempFactor + u.TempOffset;
    for (Caption* black : {&items.directionBox, &items.rainBox, &items.humidityBox, &items.dewPointCaption})
        black->red = false;
    paint(items.outsideTemperatureBox, !temperaturePlausible(items.Text, u));
    // The felt value has no upper bound of its own: a hot day is judged on the temperature.
    paint(items.feltTemperatureBox, items.TRes < coldest || items.Text > hottest);
    paint(items.pressureBox, !pressurePlausible(items.Patm, u));
    paint(items.windBox, !windPlausible(items.Vent, u));
    paint(items.gustBox, !windPlausible(items.Rafa, u));
}

std::string cwLine(const CwItems& items) {
    std::string line;
    if (items.celsius) line += " TEMP " + wholeNumber(*items.celsius) + "C";
    if (items.hectopascals) line += " = QNH " + wholeNumber(*items.hectopascals) + "hPa";
    if (items.kmh) line += " = WS " + wholeNumber(*items.kmh) + "kmh";
    if (items.feltCelsius) line += " = WCT " + wholeNumber(*items.feltCelsius) + "C";
    if (items.humidity) line += " = HUM " + std::to_string(*items.humidity);
    return line + " ";
}

std::optional<double> feltCelsius(const ReportItems& items, const SpeechUnits& u) {
    if (!showsValue(items.feltTemperatureBox)) return std::nullopt;
    return (items.TRes - u.TempOffset) / u.TempFactor;
}

}  // namespace skycrier
