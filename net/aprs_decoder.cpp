#include "net/aprs_decoder.h"

#include <algorithm>
#include <vector>

#include "base/decimal_integer.h"
#include "base/text_lines.h"
#include "platform/date_time.h"
#include "sources/derived_values.h"

namespace skycrier {
namespace {

double kmhPerUnit(AprsWindUnit unit) {
    switch (unit) {
    case AprsWindUnit::Kmh: return 1;
    case AprsWindUnit::Knot: return 1.852;
    case AprsWindUnit::Mph: break;
    }
    return 1.609344;
}

// "Jan 15 2024 12:34".
std::optional<double> uiviewTime(std::string_view stamp) {
    const auto month = std::find(kMonthAbbreviations.begin(), kMonthAbbreviations.end(), stamp.substr(0, 3));
    const auto year = parseDecimalInteger(stamp.substr(7, 4));
    const auto day = parseDecimalInteger(stamp.substr(4, 2));
    const auto hour = parseDecimalInteger(stamp.substr(12, 2));
    const auto minute = parseDecimalInteger(stamp.substr(15, 2));
    if (month == kMonthAbbreviations.end() || !year || !day || !hour || !minute) return std::nullopt;
    const int monthNumber = static_cast<int>(month - kMonthAbbreviations.begin()) + 1;
    if (!isValidDate(*year, monthNumber, *day) || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59)
        return std::nullopt;
    return encodeDateTime(*year, monthNumber, *day, *hour, *minute);
}

// "2024-01-15 12:34:56 UTC: CALL>PATH:...": observationTime's "12:34:56 2024-01-15" and the moment.
struct PacketTime {
    std::string shown;
    std::optional<double> moment;
};
PacketTime packetTime(std::string_view line) {
    std::string date, time;
    const std::size_t dash = line.find('-');
    if (dash != std::string_view::npos && dash >= 4 && dash + 3 < line.size() && line[dash + 3] == '-')
        date = line.substr(dash - 4, 10);
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && colon >= 13 && colon + 3 < line.size() && line[colon + 3] == ':')
        time = line.substr(colon - 2, 8);
    return {time + " " + date, parseDateTime(date + " " + time)};
}

// A sensor that reports nothing fills its own field with dots ("g...",
// "220/..."): only that field is without a value. Any other dot ends the data.
std::size_t endOfWeatherData(std::string_view weather) {
    for (std::size_t i = 0; i < weather.size(); ++i) {
        if (weather[i] != '.') continue;
        constexpr std::string_view kFieldMarks = "csgtrpPhb/";
        if (i > 0 && kFieldMarks.find(weather[i - 1]) == std::string_view::npos) return i;
        while (i + 1 < weather.size() && weather[i + 1] == '.') ++i;
    }
    return weather.size();
}

struct AprsFields {
    std::optional<int> direction, speed, gust, temperature, rain24h, humidity, pressure;
};

AprsFields readFields(std::string_view line) {
    std::string weather(line);
    // The weather data follows the first "_" (after a time stamp or a position).
    if (const std::size_t mark = weather.find('_'); mark != std::string::npos) weather.erase(0, mark + 1);
    // A dot outside a field placeholder ends the weather data ("v5.2" in a comment).
    weather.erase(endOfWeatherData(weather));
    const std::string_view w = weather;
    const auto field = [w](char letter, std::size_t width) -> std::optional<int> {
        const std::size_t at = w.find(letter);
        if (at == std::string_view::npos) return std::nullopt;
        return parseDecimalInteger(w.substr(at + 1, width));
    };
    AprsFields f{field('c', 3), field('s', 3), field('g', 3), field('t', 3),
                 field('p', 3), field('h', 2), field('b', 5)};
    // With a position, "ddd/sss" stands for the c and s fields; either may be dots.
    const std::size_t slash = w.find('/');
    if (!f.direction && !f.speed && slash != std::string_view::npos && slash >= 3) {
        const std::string_view directionText = w.substr(slash - 3, 3);
        const std::string_view speedText = w.substr(slash + 1, 3);
        const auto direction = parseDecimalInteger(directionText);
        const auto speed = parseDecimalInteger(speedText);
        if ((direction || directionText == "...") && (speed || speedText == "...")) {
            f.direction = direction;
            f.speed = speed;
        }
    }
    return f;
}

// A UI-View time-stamp line before the weather line, or the date and time
// that start a one-line packet; else the file's time when it is later.
void showObservationTime(const std::vector<std::string_view>& lines, const AprsContext& c, AprsDecode& d) {
    d.ObservedAt = c.fileTime ? std::max(c.observedAt, *c.fileTime) : c.observedAt;
    if (lines.size() >= 2) {
        const std::string_view stamp = lines[lines.size() - 2];
        if (stamp.size() != 17 || stamp[14] != ':') return;
        d.observationTime = std::string(stamp);
        if (const auto moment = uiviewTime(stamp))
            d.ObservedAt = c.universalTime ? *moment + c.zone.atUtc(*moment) / 1440.0 : *moment;
    } else {
        const PacketTime packet = packetTime(lines.front());
        d.observationTime = packet.shown;
        d.timeZoneLocal = true;
        if (packet.moment) d.ObservedAt = *packet.moment;
    }
}

}  // namespace

std::optional<AprsDecode> decodeAprs(std::string_view fileText, const AprsContext& c) {
    std::vector<std::string_view> lines = splitLines(fileText);
    std::erase_if(lines, [](std::string_view line) { return line.empty(); });
    if (lines.empty()) return std::nullopt;
    const SpeechUnits& u = c.units;
    const auto [direction, speed, gust, temperature, rain24h, humidity, pressure] = readFields(lines.back());
    AprsDecode d;
    showObservationTime(lines, c, d);

    const double perUnit = kmhPerUnit(c.input.wind);
    std::optional<double> celsius;
    if (temperature) celsius = c.input.fahrenheit ? (*temperature - 32) * 5.0 / 9 : *temperature;
    const std::optional<double> windKmh = speed && *speed >= 0 ? std::optional(*speed * perUnit) : std::nullopt;
    showGust(d, gust && *gust >= 0 ? std::optional(*gust * perUnit) : std::nullopt, u);
    showTemperature(d, celsius, u);
    const std::string rainLabel = "Lluvia/24h (" + u.RainText + ") = ";
    if (rain24h && *rain24h >= 0) {
        d.Pluie = (c.input.hundredthsOfInch ? *rain24h * 25.4 / 100 : *rain24h) * u.RainFactor;
        d.rainBox.caption = rainLabel + fixedPrecision(d.Pluie, 4, u.rainMetric() ? 1 : 2);
    } else {
        d.rainBox.caption = rainLabel + "--";
    }
    // "h00" is 100 %.
    const std::optional<int> percent = humidity ? std::optional(*humidity == 0 ? 100 : *humidity) : std::nullopt;
    d.HumiExt = percent ? *percent : missing::kHumidity;
    d.humidityBox.caption = "Humidad (%) = " + (percent ? std::to_string(*percent) : "--");
    showPressure(d, pressure ? std::optional(*pressure / 10.0) : std::nullopt, c.pressureCorrection, u);
    showWind(d, windKmh, u);
    showDirection(d, direction);
    showFeltTemperature(d, "Escalofríos", u);
    // A negative humidity (and -1, the record's mark of none) has no dew point.
    if (d.HumiExt >= 0 && showsValue(d.outsideTemperatureBox))
        d.dewPointCaption.caption =
            "Punto de rocio (°" + u.TempText + ") = " + fixedPrecision(dewPoint(d.Text, d.HumiExt, u), 5, 1);
    else
        d.dewPointCaption.caption = "Punto de rocio (" + u.TempText + ") = --";
    paintImplausible(d, u);

    d.cw = {showsValue(d.outsideTemperatureBox) ? celsius : std::nullopt,
            showsValue(d.pressureBox) ? std::optional(*pressure / 10.0) : std::nullopt,
            showsValue(d.windBox) ? windKmh : std::nullopt, feltCelsius(d, u), percent};
    return d;
}

std::string aprsCwLine(const AprsDecode& decode) { return cwLine(decode.cw); }

}  // namespace skycrier
