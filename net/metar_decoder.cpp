#include "net/metar_decoder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/meteo_data.h"
#include "base/rounding.h"
#include "base/text_lines.h"
#include "net/metar_groups.h"
#include "platform/date_time.h"

namespace skycrier {
namespace {

constexpr double kKmhPerMph = 1.609344;

struct ReportTime {
    double utc;
    double local;
};

// The report gives only day, hour and minute: it is from the latest month,
// up to today's in UTC, that has its day. A day later than today's is
// therefore an earlier month's (a report is never from the future), so an
// old report is seen as old.
std::optional<ReportTime> reportTime(const MetarTimeGroup& t, const MetarContext& c) {
    const DateTimeFields now = decodeDateTime(c.localNow - c.zone.atLocal(c.localNow) / 1440.0);
    int year = now.year;
    int month = now.month;
    const auto stepBack = [&] {
        if (--month == 0) {
            month = 12;
            --year;
        }
    };
    if (t.day > now.day) stepBack();
    // Two steps reach a month with a 29th, 30th or 31st from any month.
    for (int step = 0; step < 2 && t.day <= 31 && !isValidDate(year, month, t.day); ++step) stepBack();
    if (!isValidDate(year, month, t.day) || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59)
        return std::nullopt;
    const double utc = encodeDateTime(year, month, t.day, t.hour, t.minute);
    return ReportTime{utc, utc + c.zone.atUtc(utc) / 1440.0};
}

// The window's date, two blanks, the time: "2026-03-10  11:40:00".
std::string shownDateTime(double dateTime) {
    const std::string text = formatDateTime(dateTime);
    return text.substr(0, 10) + "  " + text.substr(11);
}

// UI-View's "Mar 10 2026 11:40".
std::string uiviewTimeStamp(double local) {
    const DateTimeFields f = decodeDateTime(local);
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%s %02d %04d %02d:%02d", kMonthAbbreviations[f.month - 1].data(), f.day, f.year,
                  f.hour, f.minute);
    return stamp;
}

// The first time group that names a real moment; one that does not clears the shown date.
void showObservationTime(const MetarGroups& groups, const MetarContext& c, MetarDecode& d) {
    for (const std::string_view group : groups) {
        if (!hasTimeGroupShape(group)) continue;
        const auto fields = readTimeGroup(group);
        const auto time = fields ? reportTime(*fields, c) : std::nullopt;
        if (!time) {
            d.observationTime = "";
            continue;
        }
        d.ObservedAt = time->local;
        d.observationTime = shownDateTime(c.universalTime ? time->utc : time->local);
        d.uiviewTimeLine = uiviewTimeStamp(time->local);
        return;
    }
}

std::string weatherCaption(std::uint32_t bits, std::string_view previous) {
    using namespace phenomena;
    const auto graded = [bits](const char* light, const char* moderate, const char* heavy) {
        return (bits & Heavy) ? heavy : (bits & Light) ? light : moderate;
    };
    if (bits == 0) return "Precipitación = --";
    if (bits & Fog) return "Niabla";
    if (bits & Mist) return "Niebla";
    if (bits & Hail) return "Granizo";
    if (bits & Snow) return graded("Nieve ligera", "Nieve moderata", "Nieve intensa");
    if (bits & Rain) return graded("Lluvia ligera", "Lluvia moderata", "Lluvia intensa");
    return std::string(previous);
}

// Magnus formula on the report's whole degrees; at most 99 %, since a report
// rounds both to whole degrees. A report whose numbers overflow the formula
// has no humidity.
std::optional<int> relativeHumidity(int t, int td) {
    const auto magnus = [](double x) { return std::exp(17.625 * x / (243.04 + x)); };
    const auto rh = roundHalfEven(100 * magnus(td) / magnus(t));
    if (!rh) return std::nullopt;
    return std::min(*rh, 99);
}

struct ReportFigures {
    std::optional<MetarWind> wind;
    MetarTemperature temperature;
    std::optional<MetarPressure> pressure;
    std::optional<int> humidity;
};

std::string weatherLine(const MetarDecode& d, const ReportFigures& r) {
    using namespace phenomena;
    std::string line =
        showsValue(d.directionBox) && d.Dire != kVariableDirection ? zeroPadded(d.Dire, 3) + "/" : ".../";
    const auto mph = [&r](const std::optional<int>& figure) {
        return zeroPadded(*figure * r.wind->kmhPerUnit / kKmhPerMph, 3);
    };
    line += showsValue(d.windBox) ? mph(r.wind->speed) : "...";
    line += "g" + (showsValue(d.gustBox) ? mph(r.wind->gust) : "...");
    if (showsValue(d.outsideTemperatureBox)) {
        const double fahrenheit = std::nearbyint(*r.temperature.temperature * 1.8 + 32);
        line += "t" + zeroPadded(fahrenheit, fahrenheit < 0 ? 2 : 3);
    } else {
        line += "t...";
    }
    if (!showsValue(d.rainBox))
        line += "r000p...P...";
    else if (d.Phenomena & Light)
        line += "r005p...P...";
    else if (d.Phenomena & Heavy)
        line += "r060p...P...";
    else
        line += "r020p...P...";
    if (showsValue(d.humidityBox))
        line += "h" + (*r.humidity == 0 ? std::string("01") : zeroPadded(*r.humidity, 2));
    else
        line += "h..";
    line +=
        showsValue(d.pressureBox) ? "b" + zeroPadded(std::nearbyint(r.pressure->hectopascals()) * 10, 5) : "b.....";
    return line;
}

}  // namespace

MetarDecode decodeMetar(std::string_view report, const MetarContext& c) {
    const SpeechUnits& u = c.units;
    // Many feeds end a report with "=" (end of message); left on, it would
    // hide the last group ("Q1006=" is no pressure group).
    const std::size_t last = report.find_last_not_of(' ');
    if (last != std::string_view::npos && report[last] == '=') report = report.substr(0, last);
    const MetarGroups groups = splitMetarGroups(report);

    MetarDecode d;
    d.airportCode = "Código aeropuerto= " + std::string(groups[0]);
    showObservationTime(groups, c, d);

    ReportFigures r{readWind(groups), readTemperature(groups), readPressure(groups), std::nullopt};
    d.Phenomena = readWeather(groups);
    std::optional<double> speedKmh, gustKmh;
    std::optional<int> direction;
    if (r.wind) {
        if (r.wind->speed) speedKmh = *r.wind->speed * r.wind->kmhPerUnit;
        if (r.wind->gust) gustKmh = *r.wind->gust * r.wind->kmhPerUnit;
        direction = r.wind->direction;
    }
    const std::optional<int>& t = r.temperature.temperature;
    const std::optional<int>& td = r.temperature.dewPoint;

    showGust(d, gustKmh, u);
    showTemperature(d, t, u);
    showPressure(d, r.pressure ? std::optional(r.pressure->hectopascals()) : std::nullopt, c.pressureCorrection, u);
    showWind(d, speedKmh, u);
    showDirection(d, direction);
    if (direction == kVariableWind) {
        d.Dire = kVariableDirection;
        d.directionBox.caption = "Dirección (°) = variable";
    }
    showFeltTemperature(d, "Sensación", u);
    const std::string dewPointLabel = "Punto de rocio (°" + u.TempText + ") = ";
    d.dewPointCaption.caption = dewPointLabel + (t && td ? fixedPrecision(*td * u.TempFactor + u.TempOffset, 5, 1) : "--");
    d.rainBox.caption = weatherCaption(d.Phenomena, c.previousWeatherCaption);
    if (t && td) r.humidity = relativeHumidity(*t, *td);
    d.HumiExt = r.humidity ? *r.humidity : missing::kHumidity;
    d.humidityBox.caption = "Humidad (%) = " + (r.humidity ? std::to_string(*r.humidity) : "--");
    paintImplausible(d, u);

    d.uiviewWeatherLine = weatherLine(d, r);
    d.cwLine = cwLine({showsValue(d.outsideTemperatureBox) ? std::optional<double>(t) : std::nullopt,
                       showsValue(d.pressureBox) ? std::optional(r.pressure->hectopascals()) : std::nullopt,
                       showsValue(d.windBox) ? speedKmh : std::nullopt, feltCelsius(d, u),
                       showsValue(d.humidityBox) ? r.humidity : std::nullopt});
    return d;
}

std::optional<std::string> lastNonEmptyLine(std::string_view text) {
    const auto lines = splitLines(text);
    const auto found = std::find_if(lines.rbegin(), lines.rend(), [](std::string_view line) { return !line.empty(); });
    if (found == lines.rend()) return std::nullopt;
    return std::string(*found);
}

}  // namespace skycrier
