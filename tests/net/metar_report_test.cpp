// METAR reports read and shown in a METAR window: captions, record values
// and the lines written for other programs.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/meteo_data.h"
#include "net/metar_reader.h"
#include "platform/date_time.h"
#include "support/report_window.h"
#include "support/units_of.h"

namespace skycrier {
namespace {

// Read at 12:00 local time on 10 March 2026, one hour ahead of UTC.
const double kNow = encodeDateTime(2026, 3, 10, 12, 0);
constexpr int kCet = 60;

using MetarShown = std::unique_ptr<test::ReportWindow<MetarSource>>;

// How the window reads a report.
struct MetarReadingOf {
    SpeechUnits units = {};
    int pressureCorrection = 0;
    bool universalTime = false;
    double localNow = 0;
    int zone = 0;
    // Shown first: the window's state a report is read in.
    const char* previousReport = "";
};

MetarShown decodeMetar(std::string_view report, const MetarReadingOf& how) {
    auto shown = std::make_unique<test::ReportWindow<MetarSource>>(how.units, how.localNow, how.zone);
    MetarSource& w = shown->window;
    w.setPressureCorrection(how.pressureCorrection);
    if (how.universalTime) w.chooseTimeZone(0);
    if (*how.previousReport) w.showReport(how.previousReport);
    w.showReport(report);
    return shown;
}

MetarShown decode(std::string_view report, const SpeechUnits& units = {}, int correction = 0) {
    return decodeMetar(report, {.units = units, .pressureCorrection = correction, .localNow = kNow, .zone = kCet});
}

TEST(MetarDecode, PlainReportFillsEveryItemAndBothOutputLines) {
    const auto dShown = decode("LFPG 101130Z 27010KT 9999 FEW030 12/08 Q1013");
    const MetarSource& d = dShown->window;
    EXPECT_EQ(d.airportCode(), "Código aeropuerto= LFPG");
    EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, "T-ext (°C) = 12.0");
    EXPECT_EQ(d.boxes().pressureBox.caption, "P-atm (hPa) = 1013.0");
    EXPECT_EQ(d.boxes().windBox.caption, "Viento (km/h) = 19");
    EXPECT_EQ(d.boxes().gustBox.caption, "Ráfaga (km/h) = --");
    EXPECT_EQ(d.boxes().directionBox.caption, "Dirección (°) = 270");
    EXPECT_EQ(d.boxes().feltTemperatureBox.caption, "Sensación (°C) = 10.0");
    EXPECT_EQ(d.dewPointCaption().caption, "Punto de rocio (°C) = 8.0");
    EXPECT_EQ(d.boxes().rainBox.caption, "Precipitación = --");
    EXPECT_EQ(d.boxes().humidityBox.caption, "Humidad (%) = 77");
    EXPECT_DOUBLE_EQ(d.meteo().Vent, 18.52);
    EXPECT_EQ(d.meteo().Dire, 270);
    EXPECT_EQ(d.meteo().HumiExt, 77);
    EXPECT_EQ(d.uiviewWeatherLine(), "270/012g...t054r000p...P...h77b10130");
    EXPECT_EQ(d.cwLine(), " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 77 ");
    EXPECT_DOUBLE_EQ(d.meteo().ObservedAt, encodeDateTime(2026, 3, 10, 12, 30));
    EXPECT_EQ(d.observationTime().caption, "2026-03-10  12:30:00");
    EXPECT_EQ(d.uiviewTimeLine(), "Mar 10 2026 12:30");
}

TEST(MetarDecode, WindGroupsInEachUnit) {
    const struct {
        const char* group;
        const char* direction;
        const char* wind;
        const char* gust;
        const char* lineStart;
    } cases[] = {
        {"27015G25KT", "270", "28", "46", "270/017g029"}, {"VRB03KT", "variable", "6", "--", ".../003g..."},
        {"00000KT", "0", "0", "--", "000/000g..."},       {"18005MPS", "180", "18", "--", "180/011g..."},
        {"09020KMH", "90", "20", "--", "090/012g..."},    {"/////KT", "--", "--", "--", ".../...g..."},
        {"36010G//KT", "360", "19", "--", "360/012g..."}, {"27010", "--", "--", "--", ".../...g..."},
        // Digits beyond what a caption shows are rounded away.
        {"270999999KT", "270", "1852000", "--", "270/1150778"},
    };
    for (const auto& c : cases) {
        const auto dShown = decode(std::string("EDDF 101120Z ") + c.group + " 12/08 Q1013");
        const MetarSource& d = dShown->window;
        EXPECT_EQ(d.boxes().directionBox.caption, std::string("Dirección (°) = ") + c.direction) << c.group;
        EXPECT_EQ(d.boxes().windBox.caption, std::string("Viento (km/h) = ") + c.wind) << c.group;
        EXPECT_EQ(d.boxes().gustBox.caption, std::string("Ráfaga (km/h) = ") + c.gust) << c.group;
        EXPECT_EQ(d.uiviewWeatherLine().substr(0, 11), c.lineStart) << c.group;
    }
    EXPECT_EQ(decode("EDDF 101120Z VRB03KT")->window.meteo().Dire, kVariableDirection);
    EXPECT_DOUBLE_EQ(decode("EDDF 101120Z 27015G25KT")->window.meteo().Vent, 15 * 1.852);
}

TEST(MetarDecode, TemperatureGroups) {
    const struct {
        const char* report;
        const char* temperature;
        const char* dewPoint;
        const char* humidity;
        const char* lineField;
    } cases[] = {
        {"EDDF 101120Z 27010KT M05/M07 Q1013", "-5.0", "-7.0", "86", "t023"},
        {"EDDF 101120Z 27010KT 12/M02 Q1013", "12.0", "-2.0", "38", "t054"},
        {"EDDF 101120Z 27010KT 15/15 Q1013", "15.0", "15.0", "99", "t059"},
        {"EDDF 101120Z 27010KT 20/22 Q1013", "20.0", "22.0", "99", "t068"},
        {"EDDF 101120Z 27010KT M18/M20 Q1013", "-18.0", "-20.0", "84", "t000"},
        {"EDDF 101120Z 27010KT M20/M22 Q1013", "-20.0", "-22.0", "84", "t-04"},
        // A group holding "//" is never the temperature group.
        {"EDDF 101120Z 27010KT 12/// Q1013", "--", "--", "--", "t..."},
        {"EDDF 101120Z 27010KT ///// Q1013", "--", "--", "--", "t..."},
        // A missing dew point leaves the temperature on its own.
        {"CYYZ 101100Z 27010KT 15SM FEW030 M04/ A2992", "-4.0", "--", "--", "t025"},
        // Visibility in statute miles has the temperature group's shape.
        {"KORD 101151Z 36015KT M1/4SM +SN FZFG VV002 M05/M07 A2990 RMK AO2", "-5.0", "-7.0", "86", "t023"},
        {"KSFO 101156Z 28006KT 15/16SM BR OVC002 11/10 A3001 RMK AO2", "11.0", "10.0", "94", "t052"},
    };
    for (const auto& c : cases) {
        const auto dShown = decode(c.report);
        const MetarSource& d = dShown->window;
        EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, std::string("T-ext (°C) = ") + c.temperature) << c.report;
        EXPECT_EQ(d.dewPointCaption().caption, std::string("Punto de rocio (°C) = ") + c.dewPoint) << c.report;
        EXPECT_EQ(d.boxes().humidityBox.caption, std::string("Humidad (%) = ") + c.humidity) << c.report;
        EXPECT_NE(d.uiviewWeatherLine().find(c.lineField), std::string::npos)
            << c.report << " " << d.uiviewWeatherLine();
    }
    const auto noneShown = decode("EDDF 101120Z 27010KT 12/// Q1013");
    const MetarSource& none = noneShown->window;
    EXPECT_EQ(none.meteo().Text, -200.0);
    EXPECT_EQ(none.meteo().TRes, -200.0);
    EXPECT_EQ(none.boxes().feltTemperatureBox.caption, "Sensación (°C) = --");
    EXPECT_EQ(none.meteo().HumiExt, -1);
}

TEST(MetarDecode, PressureGroupsAndCorrection) {
    const struct {
        const char* group;
        SpeechUnits units{};
        int correction;
        const char* caption;
        double patm;
    } cases[] = {
        {.group = "Q1013", .correction = 0, .caption = "P-atm (hPa) = 1013.0", .patm = 1013},
        {.group = "A2992", .correction = 0, .caption = "P-atm (hPa) = 1013.2", .patm = 2992 * 0.338639},
        {.group = "Q1013", .correction = 2, .caption = "P-atm (hPa) = 1015.0", .patm = 1015},
        {.group = "Q1013", .units = test::imperialUnits(), .correction = 0, .caption = "P-atm (inHg) = 29.91",
         .patm = 1013 * 0.02953},
        {.group = "Q1013", .units = test::imperialUnits(), .correction = 2, .caption = "P-atm (inHg) = 29.93",
         .patm = 0.02 + 1013 * 0.02953},
        {.group = "A2992", .units = test::imperialUnits(), .correction = 0, .caption = "P-atm (inHg) = 29.92",
         .patm = 2992 * 0.338639 * 0.02953},
    };
    for (const auto& c : cases) {
        const auto dShown = decode(std::string("EDDF 101120Z 27010KT 12/08 ") + c.group, c.units, c.correction);
        const MetarSource& d = dShown->window;
        EXPECT_EQ(d.boxes().pressureBox.caption, c.caption) << c.group;
        EXPECT_DOUBLE_EQ(d.meteo().Patm, c.patm) << c.group;
        EXPECT_TRUE(d.uiviewWeatherLine().ends_with("b10130")) << d.uiviewWeatherLine();
        EXPECT_NE(d.cwLine().find(" = QNH 1013hPa"), std::string::npos) << d.cwLine();
    }
    // A malformed group is passed over; a missing one leaves 900 hPa.
    EXPECT_EQ(decode("EDDF 101120Z Q10X3 A2992")->window.boxes().pressureBox.caption, "P-atm (hPa) = 1013.2");
    EXPECT_EQ(decode("EDDF 101120Z 27010KT")->window.meteo().Patm, 900);
    EXPECT_DOUBLE_EQ(decode("EDDF 101120Z 27010KT", test::imperialUnits())->window.meteo().Patm, 900 * 0.02953);
}

TEST(MetarDecode, PresentWeather) {
    const struct {
        const char* group;
        const char* caption;
        std::uint32_t bits;
        const char* rain;
    } cases[] = {
        {"-SHRA", "Lluvia ligera", 5, "r005"},
        {"+SN", "Nieve intensa", 10, "r060"},
        {"SHRA", "Lluvia moderata", 4, "r020"},
        {"TSRA", "Lluvia moderata", 4, "r020"},
        {"-SN", "Nieve ligera", 9, "r005"},
        {"SN", "Nieve moderata", 8, "r020"},
        {"+RA", "Lluvia intensa", 6, "r060"},
        {"GR", "Granizo", 16, "r020"},
        {"BR", "Niebla", 32, "r020"},
        {"FG", "Niabla", 64, "r020"},
        {"MIFG", "Niabla", 64, "r020"},
        {"BCFG", "Niabla", 64, "r020"},
        {"VCBLSN", "Precipitación = --", 0, "r000"},
        {"SHPRA", "Precipitación = --", 0, "r000"},  // five characters without a sign
        // An intensity alone leaves the caption as it was.
        {"+FC", "Lluvia ligera", 2, "r060"},
    };
    for (const auto& c : cases) {
        const std::string report = std::string("EDDF 101120Z 27010KT 9999 ") + c.group + " 12/08 Q1013";
        const auto dShown = decodeMetar(
            report, {.units = {}, .localNow = kNow, .previousReport = "EDDF 101050Z 27010KT 9999 -RA 12/08 Q1013"});
        const MetarSource& d = dShown->window;
        EXPECT_EQ(d.boxes().rainBox.caption, c.caption) << c.group;
        EXPECT_EQ(d.meteo().Phenomena, c.bits) << c.group;
        EXPECT_NE(d.uiviewWeatherLine().find(std::string(c.rain) + "p...P..."), std::string::npos) << c.group;
    }
}

TEST(MetarDecode, FeltTemperatureNeedsWindAndTemperature) {
    EXPECT_EQ(decode("EDDF 101120Z 02002KT 30/10 Q1013")->window.boxes().feltTemperatureBox.caption,
              "Sensación (°C) = --");
    EXPECT_EQ(decode("EDDF 101120Z 02004KMH 30/10 Q1013")->window.boxes().feltTemperatureBox.caption,
              "Sensación (°C) = --");
    // No upper limit: a hot day still gets one, never above the air temperature.
    EXPECT_EQ(decode("EDDF 101120Z 02005KMH 35/10 Q1013")->window.boxes().feltTemperatureBox.caption,
              "Sensación (°C) = 35.0");
    // 2 kt is 2.3 mph, below 5 km/h in mph; 3 kt (3.5 mph) is not.
    EXPECT_EQ(decode("EDDF 101120Z 02002KT 30/10", test::imperialUnits())->window.boxes().feltTemperatureBox.caption,
              "Sensación (°F) = --");
    EXPECT_NE(decode("EDDF 101120Z 02003KT 30/10", test::imperialUnits())->window.boxes().feltTemperatureBox.caption,
              "Sensación (°F) = --");
}

TEST(InternetSources, FeltTemperatureIsTheSameForEveryChoiceOfWindUnit) {
    // 8 °C with 20 km/h: the formulas take the wind in their own unit (km/h
    // for °C, mph for °F), whatever unit the wind is spoken in.
    const struct {
        bool celsius, kmh;
        const char* metar;
        const char* aprs;
    } cases[] = {
        {.celsius = true, .kmh = true, .metar = "Sensación (°C) = 4.9", .aprs = "Escalofríos (°C) = 4.9"},
        {.celsius = true, .kmh = false, .metar = "Sensación (°C) = 4.9", .aprs = "Escalofríos (°C) = 4.9"},
        {.celsius = false, .kmh = true, .metar = "Sensación (°F) = 40.8", .aprs = "Escalofríos (°F) = 40.8"},
        {.celsius = false, .kmh = false, .metar = "Sensación (°F) = 40.8", .aprs = "Escalofríos (°F) = 40.8"},
    };
    for (const auto& c : cases) {
        SpeechUnits u;
        u.setTemperatureMetric(c.celsius);
        u.setWindMetric(c.kmh);
        EXPECT_EQ(decode("EDDF 101120Z 02020KMH 08/02 Q1013", u)->window.boxes().feltTemperatureBox.caption, c.metar);
        test::ReportWindow<AprsSource> aprs(u, 0, 0);
        aprs.window.setInputUnits({.wind = AprsWindUnit::Kmh, .fahrenheit = false});
        ASSERT_TRUE(aprs.window.showReport("020/020t008h50b10130", std::nullopt));
        EXPECT_EQ(aprs.window.boxes().feltTemperatureBox.caption, c.aprs);
    }
}

TEST(MetarDecode, ImperialSpeechUnits) {
    const auto dShown = decode("LFPG 101130Z 27010KT 9999 FEW030 12/08 Q1013", test::imperialUnits());
    const MetarSource& d = dShown->window;
    EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, "T-ext (°F) = 53.6");
    EXPECT_EQ(d.boxes().windBox.caption, "Viento (mph) = 12");
    EXPECT_EQ(d.boxes().feltTemperatureBox.caption, "Sensación (°F) = 50.1");
    EXPECT_EQ(d.dewPointCaption().caption, "Punto de rocio (°F) = 46.4");
    EXPECT_EQ(d.boxes().pressureBox.caption, "P-atm (inHg) = 29.91");
    // The output files stay metric whatever is spoken.
    EXPECT_EQ(d.uiviewWeatherLine(), "270/012g...t054r000p...P...h77b10130");
    EXPECT_EQ(d.cwLine(), " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 77 ");
}

TEST(MetarDecode, ImplausibleValuesAreRedMissingOnesNever) {
    const auto hotShown = decode("EDDF 101120Z 270120G150KT 65/10 Q0850");
    const MetarSource& hot = hotShown->window;
    const auto fineShown = decode("EDDF 101120Z 27020G30KT 12/08 Q1013");
    const MetarSource& fine = fineShown->window;
    for (const MetarSource* d : {&hot, &fine})
        for (const Caption* c : {&d->boxes().outsideTemperatureBox, &d->boxes().feltTemperatureBox,
                                 &d->boxes().pressureBox, &d->boxes().windBox, &d->boxes().gustBox})
            EXPECT_EQ(c->red, d == &hot) << c->caption;
    EXPECT_TRUE(decode("EDDF 101120Z 36040KT M45/M50 Q1013")->window.boxes().feltTemperatureBox.red);

    const auto noneShown = decode("EDDF NIL");
    const MetarSource& none = noneShown->window;
    const std::pair<const Caption*, const char*> missing[] = {
        {&none.boxes().outsideTemperatureBox, "T-ext (°C) = --"},
        {&none.boxes().pressureBox, "P-atm (hPa) = --"},
        {&none.boxes().windBox, "Viento (km/h) = --"},
        {&none.boxes().gustBox, "Ráfaga (km/h) = --"},
        {&none.boxes().directionBox, "Dirección (°) = --"},
        {&none.boxes().feltTemperatureBox, "Sensación (°C) = --"},
        {&none.boxes().humidityBox, "Humidad (%) = --"},
        {&none.dewPointCaption(), "Punto de rocio (°C) = --"},
        {&none.boxes().rainBox, "Precipitación = --"},
    };
    for (const auto& [caption, shown] : missing) {
        EXPECT_EQ(caption->caption, shown);
        EXPECT_FALSE(caption->red) << shown;
    }
    EXPECT_EQ(none.meteo().Vent, -1.0);
    EXPECT_EQ(none.meteo().Rafa, 0.0);
    EXPECT_EQ(none.meteo().Dire, -1);
    EXPECT_EQ(none.uiviewWeatherLine(), ".../...g...t...r000p...P...h..b.....");
    EXPECT_EQ(none.cwLine(), " ");
    // Without a time group the window keeps the time it showed (none yet).
    EXPECT_EQ(none.observationTime().caption, "");
    EXPECT_EQ(none.meteo().ObservedAt, 0);
    EXPECT_EQ(none.uiviewTimeLine(), "");
}

TEST(MetarDecode, ObservationTime) {
    const struct {
        double localNow;
        int offset;
        const char* group;
        const char* universal;
        const char* local;
        const char* stamp;
    } cases[] = {
        // The 31st read on the 1st is last month's (and last year's in January).
        {encodeDateTime(2026, 4, 1, 1, 10), 60, "312330Z", "2026-03-31  23:30:00", "2026-04-01  00:30:00",
         "Apr 01 2026 00:30"},
        {encodeDateTime(2026, 1, 1, 0, 10), 0, "312350Z", "2025-12-31  23:50:00", "2025-12-31  23:50:00",
         "Dec 31 2025 23:50"},
        // Two days back within the month keeps the month.
        {encodeDateTime(2026, 3, 10, 12, 0), -300, "081200Z", "2026-03-08  12:00:00", "2026-03-08  07:00:00",
         "Mar 08 2026 07:00"},
        // Yesterday in UTC is still this month.
        {encodeDateTime(2026, 3, 1, 0, 30), 60, "282330Z", "2026-02-28  23:30:00", "2026-03-01  00:30:00",
         "Mar 01 2026 00:30"},
    };
    for (const auto& c : cases) {
        const std::string report = std::string("EDDF ") + c.group + " 27010KT";
        for (const bool universal : {true, false}) {
            const auto dShown = decodeMetar(
                report,
                {.units = {}, .universalTime = universal, .localNow = c.localNow, .zone = c.offset});
            const MetarSource& d = dShown->window;
            EXPECT_EQ(d.observationTime().caption, universal ? c.universal : c.local) << c.group;
            EXPECT_EQ(d.uiviewTimeLine(), c.stamp) << c.group;
            EXPECT_EQ(formatDateTime(d.meteo().ObservedAt), std::string(c.local).erase(10, 1)) << c.group;
        }
    }
    // A time group that does not read clears the date; a later one is still taken.
    const MetarReadingOf afterOne{.localNow = kNow, .zone = kCet, .previousReport = "EDDF 101000Z 27010KT"};
    EXPECT_EQ(decodeMetar("EDDF 101000Z 27010KT", afterOne)->window.observationTime().caption, "2026-03-10  11:00:00");
    EXPECT_EQ(decodeMetar("EDDF 1A1130Z 27010KT", afterOne)->window.observationTime().caption, "");
    EXPECT_EQ(decodeMetar("EDDF 1A1130Z 27010KT", {.localNow = kNow, .zone = kCet})->window.meteo().ObservedAt, 0);
    EXPECT_EQ(decode("EDDF 1A1130Z 101130Z")->window.observationTime().caption, "2026-03-10  12:30:00");
    // 31 April does not exist: the latest 31st is March's; no month has a 32nd.
    const MetarReadingOf may{.units = {}, .localNow = encodeDateTime(2026, 5, 1, 8, 0)};
    EXPECT_EQ(decodeMetar("EDDF 312330Z", may)->window.observationTime().caption, "2026-03-31  23:30:00");
    EXPECT_EQ(decodeMetar("EDDF 322330Z", may)->window.observationTime().caption, "");
}

// What a user sees of reports that carry more than the observation, read on
// 12 October 2026 at 12:00 UTC: every expected text is among the captions.
TEST(ReportsReadRight, OnlyTheObservationIsDecoded) {
    const MetarReadingOf october{.units = {}, .localNow = encodeDateTime(2026, 10, 12, 12, 0)};
    const auto metarCaptions = [&october](std::string_view report) {
        const auto dShown = decodeMetar(report, october);
        const MetarSource& d = dShown->window;
        return d.airportCode() + "|" + d.observationTime().caption + "|" + d.boxes().rainBox.caption + "|" +
               d.boxes().outsideTemperatureBox.caption + "|" + d.boxes().pressureBox.caption + "|" +
               d.boxes().windBox.caption + "|phenomena " + std::to_string(d.meteo().Phenomena);
    };
    const auto aprsCaptions = [](std::string_view line) {
        test::ReportWindow<AprsSource> aprs({}, 0, 0);
        aprs.window.showReport(line, std::nullopt);
        const AprsSource& d = aprs.window;
        return d.boxes().directionBox.caption + "|" + d.boxes().windBox.caption + "|" + d.boxes().gustBox.caption +
               "|" + d.boxes().outsideTemperatureBox.caption + "|" + d.boxes().humidityBox.caption + "|" +
               d.boxes().pressureBox.caption;
    };
    const struct {
        bool aprs;
        const char* report;
        std::vector<const char*> shown;
    } cases[] = {
        // A forecast, a remark or recent weather is not present weather.
        {false, "EDDF 121120Z 27010KT 9999 12/08 Q1012 TEMPO 4000 -RA", {"Precipitación = --", "phenomena 0"}},
        {false, "EDDF 121120Z 27010KT 9999 12/08 Q1012 BECMG 25020G35KT +SN", {"Viento (km/h) = 19", "phenomena 0"}},
        {false, "EDDF 121120Z 27010KT 9999 12/08 Q1012 NOSIG RMK BR", {"Precipitación = --"}},
        {false, "KJFK 121151Z 27010KT 10SM 12/08 A2992 RMK AO2 SLP134 FG", {"Precipitación = --"}},
        {false, "EDDF 121120Z 27010KT 9999 12/08 Q1012 RERA", {"Precipitación = --"}},
        {false, "EDDF 121120Z 27010KT 9999 -RA 12/08 Q1012 TEMPO +SN", {"Lluvia ligera", "phenomena 5"}},
        // Weather in the vicinity is not at the station; the station's own follows it.
        {false, "KBOS 121120Z 14014KT 1/2SM VCFG OVC008 M21/M23 A2952", {"Precipitación = --", "phenomena 0"}},
        {false, "KBOS 121120Z 14014KT 1/2SM VCFG TSRA OVC008 M01/M03 A2952", {"Lluvia moderata", "phenomena 4"}},
        // Groups only in the trend stay missing.
        {false, "EDDF 121120Z 9999 TEMPO 12/08 Q1012", {"T-ext (°C) = --", "P-atm (hPa) = --"}},
        // The report type before the station is not the station.
        {false, "METAR EDDF 121120Z 27010KT 12/08 Q1012", {"Código aeropuerto= EDDF|2026-10-12  11:20:00"}},
        {false, "SPECI COR LFPG 121125Z 27010KT", {"Código aeropuerto= LFPG|2026-10-12  11:25:00"}},
        {false, "METAR AUTO EGLL 121120Z 27010KT", {"Código aeropuerto= EGLL"}},
        {false, "EDDF 121120Z AUTO 27010KT", {"Código aeropuerto= EDDF|2026-10-12  11:20:00"}},
        // A day later than today is from an earlier month, never the future.
        {false, "EDDF 302330Z 27010KT", {"2026-09-30  23:30:00"}},
        {false, "EDDF 312330Z 27010KT", {"2026-08-31  23:30:00"}},
        {false, "EDDF 111130Z 27010KT", {"2026-10-11  11:30:00"}},
        // Dots leave only their own field without a value.
        {true, "220/...g...t077r000p000P000h50b09900",
         {"Dirección (°) = 220|Viento (km/h) = --|Ráfaga (km/h) = --|T-ext (°C) = 25.0|Humidad (%) = 50|"
          "P-atm (hPa) = 990.0"}},
        {true, "_10090556c...s004g005t...r000p000P000h..b10132",
         {"Dirección (°) = --|Viento (km/h) = 6|Ráfaga (km/h) = 8|T-ext (°C) = --|Humidad (%) = --|"
          "P-atm (hPa) = 1013.2"}},
    };
    for (const auto& c : cases) {
        const std::string captions = c.aprs ? aprsCaptions(c.report) : metarCaptions(c.report);
        for (const char* shown : c.shown)
            EXPECT_NE(captions.find(shown), std::string::npos) << c.report << "\n" << captions;
    }
}

TEST(MetarDecode, ReportsFromSeveralCountries) {
    const struct {
        const char* report;
        const char* weatherLine;
        const char* cwLine;
    } cases[] = {
        {"EGLL 101120Z AUTO 24015G28KT 9999 -SHRA FEW020CB 11/06 Q1002 TEMPO 25035G45KT=",
         "240/017g032t052r005p...P...h71b10020", " TEMP 11C = QNH 1002hPa = WS 28kmh = WCT 8C = HUM 71 "},
        {"UUEE 101130Z 18005MPS 9999 -SN OVC012 M05/M07 Q1018 R06L/290050 NOSIG",
         "180/011g...t023r005p...P...h86b10180", " TEMP -5C = QNH 1018hPa = WS 18kmh = WCT -11C = HUM 86 "},
        {"KORD 101151Z 36015KT M1/4SM +SN FZFG VV002 M05/M07 A2990 RMK AO2 P0002 T10501072",
         "360/017g...t023r060p...P...h86b10130", " TEMP -5C = QNH 1013hPa = WS 28kmh = WCT -13C = HUM 86 "},
        {"YSSY 101100Z 16012KT CAVOK 22/14 Q1015 NOSIG", "160/014g...t072r000p...P...h60b10150",
         " TEMP 22C = QNH 1015hPa = WS 22kmh = WCT 22C = HUM 60 "},
        {"RJTT  101100Z  34008KT 9999 FEW030 08/M03 Q1021 NOSIG", "340/009g...t046r000p...P...h46b10210",
         " TEMP 8C = QNH 1021hPa = WS 15kmh = WCT 5C = HUM 46 "},
        {"LFPG 101130Z 27010KT 9999 12/08 Q1006=", "270/012g...t054r000p...P...h77b10060",
         " TEMP 12C = QNH 1006hPa = WS 19kmh = WCT 10C = HUM 77 "},
    };
    for (const auto& c : cases) {
        const auto dShown = decode(c.report);
        const MetarSource& d = dShown->window;
        EXPECT_EQ(d.uiviewWeatherLine(), c.weatherLine) << c.report;
        EXPECT_EQ(d.cwLine(), c.cwLine) << c.report;
    }
}

TEST(MetarReportLine, IsTheLastNonEmptyLine) {
    EXPECT_EQ(lastNonEmptyLine("2026/03/10 11:00\r\nKJFK 101051Z 31012KT\r\n\r\n"), "KJFK 101051Z 31012KT");
    EXPECT_EQ(lastNonEmptyLine("KJFK 101051Z\n\nEDDF 101050Z\r"), "EDDF 101050Z");
    EXPECT_FALSE(lastNonEmptyLine("\r\n\n\r\n"));
    EXPECT_FALSE(lastNonEmptyLine(""));
}

}  // namespace
}  // namespace skycrier
