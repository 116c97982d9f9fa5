// The reading presenter's side for the two internet reports (METAR, APRS):
// the values both give, with their missing markers, the felt temperature and
// dew point, the red marks, and the lines other programs read (UI-View's
// weather file, a CW beacon's summary).

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sources/felt_temperature.h"
#include "base/meteo_data.h"
#include "base/rounding.h"
#include "platform/date_time.h"
#include "sources/derived_values.h"
#include "sources/reading_presenter.h"
#include "sources/report_numbers.h"

namespace skycrier {
namespace {

// Missing values as the record holds them; a caption ending in "--" goes with each.
namespace missing {
constexpr double kTemperature = -200.0;
constexpr double kWind = -1.0;
constexpr std::int32_t kDirection = -1;
constexpr double kHumidity = -1;      // the byte 255 of a signed 8-bit field
constexpr double kPressureHpa = 900;  // below every plausible reading, times PressFactor
}  // namespace missing

constexpr double kKmhPerMph = 1.609344;

// What a report is shown in: the source's record and its boxes' captions.
struct Shown {
    MeteoData& record;
    SpokenBoxes& boxes;
};

std::string withValue(std::string label, const std::optional<std::string>& value) {
    return label + (value ? *value : "--");
}

// A caption that holds "--" shows no value.
bool showsValue(const Caption& caption) { return caption.caption.find("--") == std::string::npos; }

// Each sets its value and caption from the report's value in metric units (nothing: missing).
void showReportGust(Shown w, std::optional<double> kmh, const SpeechUnits& u) {
    w.record.Rafa = kmh ? *kmh * u.WindFactor : 0;
    w.boxes.gustBox.caption = withValue("Ráfaga (" + u.WindText + ") = ",
                                       kmh ? std::optional(fixedPrecision(w.record.Rafa, 4, 0)) : std::nullopt);
}

void showReportTemperature(Shown w, std::optional<double> celsius, const SpeechUnits& u) {
    w.record.Text = celsius ? *celsius * u.TempFactor + u.TempOffset : missing::kTemperature;
    w.boxes.outsideTemperatureBox.caption = withValue("T-ext (°" + u.TempText + ") = ",
                                       celsius ? std::optional(fixedPrecision(w.record.Text, 5, 1)) : std::nullopt);
}

// The correction is counted in CorrFactor steps (1 hPa or 0.01 inHg).
void showReportPressure(Shown w, std::optional<double> hectopascals, int correction, const SpeechUnits& u) {
    w.record.Patm = hectopascals ? correction * u.CorrFactor + *hectopascals * u.PressFactor
                                : missing::kPressureHpa * u.PressFactor;
    const int decimals = u.pressureMetric() ? 1 : 2;
    w.boxes.pressureBox.caption =
        withValue("P-atm (" + u.PressText + ") = ",
                  hectopascals ? std::optional(fixedPrecision(w.record.Patm, 5, decimals)) : std::nullopt);
}

void showReportWind(Shown w, std::optional<double> kmh, const SpeechUnits& u) {
    w.record.Vent = kmh ? *kmh * u.WindFactor : missing::kWind;
    w.boxes.windBox.caption = withValue("Viento (" + u.WindText + ") = ",
                                       kmh ? std::optional(fixedPrecision(w.record.Vent, 4, 0)) : std::nullopt);
}

// A direction outside 0..360 is no direction.
void showReportDirection(Shown w, std::optional<int> degrees) {
    const bool known = degrees && *degrees >= 0 && *degrees <= 360;
    w.record.Dire = known ? *degrees : missing::kDirection;
    w.boxes.directionBox.caption =
        withValue("Dirección (°) = ", known ? std::optional(std::to_string(*degrees)) : std::nullopt);
}

// From Text and Vent as shown; nothing below 5 km/h (or its speech-unit
// equivalent) or without a temperature.
void showReportFeltTemperature(Shown w, std::string_view label, const SpeechUnits& u) {
    const bool felt = windEnoughToFeel(w.record.Vent, u) && showsValue(w.boxes.outsideTemperatureBox);
    w.record.TRes = felt ? feltTemperature(w.record.Text, w.record.Vent, u) : missing::kTemperature;
    w.boxes.feltTemperatureBox.caption = withValue(std::string(label) + " (°" + u.TempText + ") = ",
                                       felt ? std::optional(fixedPrecision(w.record.TRes, 5, 1)) : std::nullopt);
}

// Red marks of the temperature, felt temperature, pressure, wind and gust
// captions that show an implausible value; every other caption stays black.
void paintImplausible(Shown w, Caption& dewPoint, const SpeechUnits& u) {
    const auto paint = [](Caption& caption, bool implausible) { caption.red = implausible && showsValue(caption); };
    const double coldest = bounds::kTemperatureMin * u.TempFactor + u.TempOffset;
    const double hottest = bounds::kTemperatureMax * u.TempFactor + u.TempOffset;
    for (Caption* black : {static_cast<Caption*>(&w.boxes.directionBox), static_cast<Caption*>(&w.boxes.rainBox),
                           static_cast<Caption*>(&w.boxes.humidityBox), &dewPoint})
        black->red = false;
    paint(w.boxes.outsideTemperatureBox, !temperaturePlausible(w.record.Text, u));
    // The felt value has no upper bound of its own: a hot day is judged on the temperature.
    paint(w.boxes.feltTemperatureBox, w.record.TRes < coldest || w.record.Text > hottest);
    paint(w.boxes.pressureBox, !pressurePlausible(w.record.Patm, u));
    paint(w.boxes.windBox, !windPlausible(w.record.Vent, u));
    paint(w.boxes.gustBox, !windPlausible(w.record.Rafa, u));
}

// The CW beacon's line: " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 77 ",
// each item only when present, always ending in a blank.
struct CwItems {
    std::optional<double> celsius;
    std::optional<double> hectopascals;
    std::optional<double> kmh;
    std::optional<double> feltCelsius;
    std::optional<int> humidity;
};

std::string cwLine(const CwItems& items) {
    std::string line;
    if (items.celsius) line += " TEMP " + wholeNumber(*items.celsius) + "C";
    if (items.hectopascals) line += " = QNH " + wholeNumber(*items.hectopascals) + "hPa";
    if (items.kmh) line += " = WS " + wholeNumber(*items.kmh) + "kmh";
    if (items.feltCelsius) line += " = WCT " + wholeNumber(*items.feltCelsius) + "C";
    if (items.humidity) line += " = HUM " + std::to_string(*items.humidity);
    return line + " ";
}

// The felt temperature back in °C, for the CW line (nothing when it is missing).
std::optional<double> feltCelsius(Shown w, const SpeechUnits& u) {
    if (!showsValue(w.boxes.feltTemperatureBox)) return std::nullopt;
    return (w.record.TRes - u.TempOffset) / u.TempFactor;
}

struct ReportTime {
    double utc;
    double local;
};

// The report gives only day, hour and minute: it is from the latest month,
// up to today's in UTC, that has its day. A day later than today's is
// therefore an earlier month's (a report is never from the future), so an
// old report is seen as old.
std::optional<ReportTime> reportTime(const MetarTimeGroup& t, const MetarSettings& s) {
    const DateTimeFields now = decodeDateTime(s.localNow - s.zone.atLocal(s.localNow) / 1440.0);
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
    return ReportTime{utc, utc + s.zone.atUtc(utc) / 1440.0};
}

// The window's date, two blanks, the time: "2026-03-10  11:40:00".
std::string metarDateTime(double dateTime) {
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

// The present weather's caption; nothing for an intensity alone, which leaves the caption as it was.
std::optional<std::string> weatherCaption(std::uint32_t bits) {
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
    return std::nullopt;
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

std::string uiviewWeatherLine(Shown w, const MetarReading& r, std::optional<int> humidity) {
    using namespace phenomena;
    std::string line = showsValue(w.boxes.directionBox) && w.record.Dire != kVariableDirection
                           ? zeroPadded(w.record.Dire, 3) + "/"
                           : ".../";
    const auto mph = [&r](const std::optional<int>& figure) {
        return zeroPadded(*figure * r.wind->kmhPerUnit / kKmhPerMph, 3);
    };
    line += showsValue(w.boxes.windBox) ? mph(r.wind->speed) : "...";
    line += "g" + (showsValue(w.boxes.gustBox) ? mph(r.wind->gust) : "...");
    if (showsValue(w.boxes.outsideTemperatureBox)) {
        const double fahrenheit = std::nearbyint(*r.temperature.temperature * 1.8 + 32);
        line += "t" + zeroPadded(fahrenheit, fahrenheit < 0 ? 2 : 3);
    } else {
        line += "t...";
    }
    if (!showsValue(w.boxes.rainBox))
        line += "r000p...P...";
    else if (r.phenomena & Light)
        line += "r005p...P...";
    else if (r.phenomena & Heavy)
        line += "r060p...P...";
    else
        line += "r020p...P...";
    if (showsValue(w.boxes.humidityBox))
        line += "h" + (*humidity == 0 ? std::string("01") : zeroPadded(*humidity, 2));
    else
        line += "h..";
    line += showsValue(w.boxes.pressureBox) ? "b" + zeroPadded(std::nearbyint(r.pressure->hectopascals()) * 10, 5)
                                            : "b.....";
    return line;
}

double kmhPerUnit(AprsWindUnit unit) {
    switch (unit) {
    case AprsWindUnit::Kmh: return 1;
    case AprsWindUnit::Knot: return 1.852;
    case AprsWindUnit::Mph: break;
    }
    return kKmhPerMph;
}

}  // namespace

MetarLines ReadingPresenter::showMetar(const MetarReading& r, const MetarSettings& s, SourceWindow& window,
                                       Caption& shownTime, Caption& dewPointCaption) const {
    Shown w{window.meteo_, window.boxes_};
    const SpeechUnits& u = units_;
    MetarLines lines;
    lines.airportCode = "Código aeropuerto= " + r.station;
    // The first time group that names a real moment; one that does not clears the shown date.
    for (const auto& group : r.timeGroups) {
        const auto time = group ? reportTime(*group, s) : std::nullopt;
        if (!time) {
            shownTime.caption.clear();
            continue;
        }
        w.record.ObservedAt = time->local;
        shownTime.caption = metarDateTime(s.universalTime ? time->utc : time->local);
        lines.uiviewTimeLine = uiviewTimeStamp(time->local);
        break;
    }

    std::optional<double> speedKmh, gustKmh;
    std::optional<int> direction;
    if (r.wind) {
        if (r.wind->speed) speedKmh = *r.wind->speed * r.wind->kmhPerUnit;
        if (r.wind->gust) gustKmh = *r.wind->gust * r.wind->kmhPerUnit;
        direction = r.wind->direction;
    }
    const std::optional<int>& t = r.temperature.temperature;
    const std::optional<int>& td = r.temperature.dewPoint;
    const std::optional<double> hectopascals =
        r.pressure ? std::optional(r.pressure->hectopascals()) : std::nullopt;

    showReportGust(w, gustKmh, u);
    showReportTemperature(w, t, u);
    showReportPressure(w, hectopascals, s.pressureCorrection, u);
    showReportWind(w, speedKmh, u);
    showReportDirection(w, direction);
    if (direction == kVariableWind) {
        w.record.Dire = kVariableDirection;
        w.boxes.directionBox.caption = "Dirección (°) = variable";
    }
    showReportFeltTemperature(w, "Sensación", u);
    const std::string dewPointLabel = "Punto de rocio (°" + u.TempText + ") = ";
    dewPointCaption.caption =
        dewPointLabel + (t && td ? fixedPrecision(*td * u.TempFactor + u.TempOffset, 5, 1) : "--");
    w.record.Phenomena = r.phenomena;
    if (const auto caption = weatherCaption(r.phenomena)) w.boxes.rainBox.caption = *caption;
    const std::optional<int> humidity = t && td ? relativeHumidity(*t, *td) : std::nullopt;
    w.record.HumiExt = humidity ? *humidity : missing::kHumidity;
    w.boxes.humidityBox.caption = "Humidad (%) = " + (humidity ? std::to_string(*humidity) : "--");
    paintImplausible(w, dewPointCaption, u);

    lines.uiviewWeatherLine = uiviewWeatherLine(w, r, humidity);
    lines.cwLine = cwLine({showsValue(w.boxes.outsideTemperatureBox) ? std::optional<double>(t) : std::nullopt,
                           showsValue(w.boxes.pressureBox) ? hectopascals : std::nullopt,
                           showsValue(w.boxes.windBox) ? speedKmh : std::nullopt, feltCelsius(w, u),
                           showsValue(w.boxes.humidityBox) ? humidity : std::nullopt});
    return lines;
}

AprsShown ReadingPresenter::showAprs(const AprsReading& r, const AprsSettings& s, SourceWindow& window,
                                     Caption& shownTime, Caption& dewPointCaption) const {
    Shown w{window.meteo_, window.boxes_};
    const SpeechUnits& u = units_;
    AprsShown shown;
    // The report's own time, else the file's when it is later.
    if (s.fileTime) w.record.ObservedAt = std::max(w.record.ObservedAt, *s.fileTime);
    if (r.time) {
        shownTime.caption = r.time->shown;
        shown.timeZoneLocal = r.time->packet;
        if (r.time->moment)
            w.record.ObservedAt = s.universalTime && !r.time->packet
                                     ? *r.time->moment + s.zone.atUtc(*r.time->moment) / 1440.0
                                     : *r.time->moment;
    }

    const double perUnit = kmhPerUnit(s.input.wind);
    std::optional<double> celsius;
    if (r.temperature) celsius = s.input.fahrenheit ? (*r.temperature - 32) * 5.0 / 9 : *r.temperature;
    const std::optional<double> windKmh = r.speed && *r.speed >= 0 ? std::optional(*r.speed * perUnit) : std::nullopt;
    showReportGust(w, r.gust && *r.gust >= 0 ? std::optional(*r.gust * perUnit) : std::nullopt, u);
    showReportTemperature(w, celsius, u);
    const std::string rainLabel = "Lluvia/24h (" + u.RainText + ") = ";
    if (r.rain24h && *r.rain24h >= 0) {
        w.record.Pluie = (s.input.hundredthsOfInch ? *r.rain24h * 25.4 / 100 : *r.rain24h) * u.RainFactor;
        w.boxes.rainBox.caption = rainLabel + fixedPrecision(w.record.Pluie, 4, u.rainMetric() ? 1 : 2);
    } else {
        w.record.Pluie = -1;
        w.boxes.rainBox.caption = rainLabel + "--";
    }
    // "h00" is 100 %.
    const std::optional<int> percent = r.humidity ? std::optional(*r.humidity == 0 ? 100 : *r.humidity) : std::nullopt;
    w.record.HumiExt = percent ? *percent : missing::kHumidity;
    w.boxes.humidityBox.caption = "Humidad (%) = " + (percent ? std::to_string(*percent) : "--");
    const std::optional<double> hectopascals = r.pressure ? std::optional(*r.pressure / 10.0) : std::nullopt;
    showReportPressure(w, hectopascals, s.pressureCorrection, u);
    showReportWind(w, windKmh, u);
    showReportDirection(w, r.direction);
    showReportFeltTemperature(w, "Escalofríos", u);
    // A negative humidity (and -1, the record's mark of none) has no dew point.
    if (w.record.HumiExt >= 0 && showsValue(w.boxes.outsideTemperatureBox))
        dewPointCaption.caption = "Punto de rocio (°" + u.TempText + ") = " +
                                  fixedPrecision(dewPoint(w.record.Text, w.record.HumiExt, u), 5, 1);
    else
        dewPointCaption.caption = "Punto de rocio (" + u.TempText + ") = --";
    paintImplausible(w, dewPointCaption, u);

    shown.cwLine = cwLine({showsValue(w.boxes.outsideTemperatureBox) ? celsius : std::nullopt,
                           showsValue(w.boxes.pressureBox) ? hectopascals : std::nullopt,
                           showsValue(w.boxes.windBox) ? windKmh : std::nullopt, feltCelsius(w, u), percent});
    return shown;
}

}  // namespace skycrier
