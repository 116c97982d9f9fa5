// APRS weather reports read and shown in an APRS window: captions, record
// values and the CW beacon's line.

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "platform/date_time.h"
#include "support/report_window.h"
#include "support/units_of.h"

namespace skycrier {
namespace {

const SpeechUnits kMetric;
const char* const kWxNow = "Jan 15 2024 12:34\r\n220/004g005t077r000p000P000h50b09900\r\n";
const char* const kPacket =
    "2024-01-15 12:34:56 UTC: "
    "OH2ABC>APRS,TCPIP*,qAC,T2FINLAND:@151234z6012.34N/02456.78E_220/004g005t077r000p000P000h50b09900";

using AprsShown = std::unique_ptr<test::ReportWindow<AprsSource>>;

// How the window reads a report.
struct AprsReadingOf {
    SpeechUnits units = kMetric;
    AprsInputUnits input = {};
    int pressureCorrection = 0;
    bool universalTime = false;
    int zone = 0;
    // Shown first: the window's state a report is read in.
    const char* previousReport = "";
    std::optional<double> fileTime = std::nullopt;
};

AprsShown decodeAprs(std::string_view text, const AprsReadingOf& how) {
    auto shown = std::make_unique<test::ReportWindow<AprsSource>>(how.units, 0, how.zone);
    AprsSource& w = shown->window;
    w.setInputUnits(how.input);
    w.setPressureCorrection(how.pressureCorrection);
    w.chooseTimeZone(how.universalTime ? 0 : 1);
    if (*how.previousReport) w.showReport(how.previousReport, std::nullopt);
    w.showReport(text, how.fileTime);
    return shown;
}

AprsShown decode(std::string_view text, const SpeechUnits& units = kMetric, AprsInputUnits input = {},
                 int correction = 0) {
    return decodeAprs(text, {.units = units, .input = input, .pressureCorrection = correction});
}

TEST(AprsDecode, WxNowFileFillsEveryItem) {
    const auto dShown = decode(kWxNow);
    const AprsSource& d = dShown->window;
    EXPECT_EQ(d.boxes().directionBox.caption, "Dirección (°) = 220");
    EXPECT_EQ(d.boxes().windBox.caption, "Viento (km/h) = 6");
    EXPECT_EQ(d.boxes().gustBox.caption, "Ráfaga (km/h) = 8");
    EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, "T-ext (°C) = 25.0");
    EXPECT_EQ(d.boxes().rainBox.caption, "Lluvia/24h (mm) = 0.0");
    EXPECT_EQ(d.boxes().humidityBox.caption, "Humidad (%) = 50");
    EXPECT_EQ(d.boxes().pressureBox.caption, "P-atm (hPa) = 990.0");
    EXPECT_EQ(d.boxes().feltTemperatureBox.caption, "Escalofríos (°C) = 25.0");
    EXPECT_EQ(d.dewPointCaption().caption, "Punto de rocio (°C) = 13.8");
    EXPECT_DOUBLE_EQ(d.meteo().Vent, 4 * 1.609344);
    EXPECT_DOUBLE_EQ(d.meteo().Rafa, 5 * 1.609344);
    EXPECT_EQ(d.meteo().Dire, 220);
    EXPECT_EQ(d.meteo().HumiExt, 50);
    EXPECT_EQ(d.meteo().Pluie, 0);
    EXPECT_EQ(d.observationTime().caption, "Jan 15 2024 12:34");
    EXPECT_EQ(d.meteo().ObservedAt, encodeDateTime(2024, 1, 15, 12, 34));
    EXPECT_EQ(decodeAprs(kWxNow, {.universalTime = true})->window.timeZoneChoice(), 0) << "the time zone stays";
    EXPECT_EQ(d.cwLine(), " TEMP 25C = QNH 990hPa = WS 6kmh = WCT 25C = HUM 50 ");
}

TEST(AprsDecode, ObservationTime) {
    const auto observed = [](std::string_view text, bool universal, bool afterTheStampedReport,
                              std::optional<double> fileTime) {
        return decodeAprs(text, {.units = kMetric,
                                 .universalTime = universal,
                                 .zone = 60,
                                 .previousReport = afterTheStampedReport ? kWxNow : "",
                                 .fileTime = fileTime})
            ->window.meteo().ObservedAt;
    };
    const double stamp = encodeDateTime(2024, 1, 15, 12, 34);
    EXPECT_EQ(observed(kWxNow, false, false, std::nullopt), stamp);
    EXPECT_EQ(observed(kWxNow, true, false, std::nullopt), stamp + 1.0 / 24);
    // The time-stamp line wins over the file's time, later or not.
    EXPECT_EQ(observed(kWxNow, false, false, stamp + 1), stamp);
    // Without one, after a report stamped `stamp`, the file's time counts only when later.
    const char* const bare = "Station\n220/004g005t077\n";
    EXPECT_EQ(observed(bare, false, true, stamp + 1), stamp + 1);
    EXPECT_EQ(observed(bare, false, true, stamp - 1), stamp);
    EXPECT_EQ(observed("Jan 45 2024 12:34\n220/004g005t077\n", false, true, std::nullopt), stamp);
    EXPECT_EQ(observed("Xyz 15 2024 12:34\n220/004g005t077\n", false, true, std::nullopt), stamp);
}

TEST(AprsDecode, PacketLineFromAWebPageIsLocalTime) {
    const auto shown = decodeAprs(kPacket, {.units = kMetric, .universalTime = true, .zone = 60});
    const AprsSource& d = shown->window;
    EXPECT_EQ(d.timeZoneChoice(), 1) << "the time zone goes to local";
    EXPECT_EQ(d.observationTime().caption, "12:34:56 2024-01-15");
    EXPECT_EQ(d.meteo().ObservedAt, encodeDateTime(2024, 1, 15, 12, 34, 56));
    EXPECT_EQ(d.boxes().directionBox.caption, "Dirección (°) = 220");
    EXPECT_EQ(d.boxes().pressureBox.caption, "P-atm (hPa) = 990.0");
}

TEST(AprsDecode, WeatherFields) {
    const struct {
        const char* line;
        const char* direction;
        const char* wind;
        const char* temperature;
        const char* humidity;
        const char* pressure;
    } cases[] = {
        // Positionless: c and s fields.
        {"_10090556c220s004g005t077r000p000P000h50b09900wRSW", "220", "6", "25.0", "50", "990.0"},
        // With c and s present the compact form is not read.
        {"_10090556c180s010g015t068 270/020", "180", "16", "20.0", "--", "--"},
        {"_10090556c180g015t068 270/020", "180", "--", "20.0", "--", "--"},
        // Dots stand for one field without a value.
        {"220/004g...t077r000p000P000h50b09900", "220", "6", "25.0", "50", "990.0"},
        {"220/004g005t...r000p000P000h50b09900", "220", "6", "--", "50", "990.0"},
        // Any other dot ends the data: a comment's figures are not weather.
        {"220/004g...t077 fw v1.h20", "220", "6", "25.0", "--", "--"},
        {"220/004g005t-05r000p000P000h00b10132", "220", "6", "-20.6", "100", "1013.2"},
        {"220/004g005t077h45", "220", "6", "25.0", "45", "--"},
        {"12/004g005", "--", "--", "--", "--", "--"},
    };
    for (const auto& c : cases) {
        const auto dShown = decode(c.line);
        const AprsSource& d = dShown->window;
        EXPECT_EQ(d.boxes().directionBox.caption, std::string("Dirección (°) = ") + c.direction) << c.line;
        EXPECT_EQ(d.boxes().windBox.caption, std::string("Viento (km/h) = ") + c.wind) << c.line;
        EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, std::string("T-ext (°C) = ") + c.temperature) << c.line;
        EXPECT_EQ(d.boxes().humidityBox.caption, std::string("Humidad (%) = ") + c.humidity) << c.line;
        EXPECT_EQ(d.boxes().pressureBox.caption, std::string("P-atm (hPa) = ") + c.pressure) << c.line;
    }
    const auto noTemperatureShown = decode("220/004g005t...r000p000P000h50b09900");
    const AprsSource& noTemperature = noTemperatureShown->window;
    EXPECT_EQ(noTemperature.boxes().feltTemperatureBox.caption, "Escalofríos (°C) = --");
    EXPECT_EQ(noTemperature.dewPointCaption().caption, "Punto de rocio (C) = --");
    EXPECT_EQ(noTemperature.boxes().rainBox.caption, "Lluvia/24h (mm) = 0.0");
    EXPECT_EQ(noTemperature.meteo().Text, -200.0);
    EXPECT_EQ(noTemperature.meteo().HumiExt, 50);
    EXPECT_EQ(noTemperature.cwLine(), " = QNH 990hPa = WS 6kmh = HUM 50 ");
}

TEST(AprsDecode, InputAndSpeechUnits) {
    const struct {
        AprsInputUnits input;
        const char* wind;
        const char* temperature;
        const char* rain;
    } cases[] = {
        {.input = {}, .wind = "16", .temperature = "-6.7", .rain = "3.0"},
        {.input = {.wind = AprsWindUnit::Kmh, .fahrenheit = false, .hundredthsOfInch = false},
         .wind = "10", .temperature = "20.0", .rain = "12.0"},
        {.input = {.wind = AprsWindUnit::Knot, .fahrenheit = false, .hundredthsOfInch = true},
         .wind = "19", .temperature = "20.0", .rain = "3.0"},
    };
    for (const auto& c : cases) {
        const auto dShown = decode("090/010g020t020p012h80b10132", kMetric, c.input);
        const AprsSource& d = dShown->window;
        EXPECT_EQ(d.boxes().windBox.caption, std::string("Viento (km/h) = ") + c.wind);
        EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, std::string("T-ext (°C) = ") + c.temperature);
        EXPECT_EQ(d.boxes().rainBox.caption, std::string("Lluvia/24h (mm) = ") + c.rain);
    }
    const auto dShown = decode(kWxNow, test::imperialUnits());
    const AprsSource& d = dShown->window;
    EXPECT_EQ(d.boxes().outsideTemperatureBox.caption, "T-ext (°F) = 77.0");
    EXPECT_EQ(d.boxes().windBox.caption, "Viento (mph) = 4");
    EXPECT_EQ(d.boxes().feltTemperatureBox.caption, "Escalofríos (°F) = 77.0");
    EXPECT_EQ(d.dewPointCaption().caption, "Punto de rocio (°F) = 56.9");
    EXPECT_EQ(d.boxes().rainBox.caption, "Lluvia/24h (inch) = 0.00");
    EXPECT_EQ(d.boxes().pressureBox.caption, "P-atm (inHg) = 29.23");
    EXPECT_EQ(d.cwLine(), " TEMP 25C = QNH 990hPa = WS 6kmh = WCT 25C = HUM 50 ");
    const auto correctedShown = decode("220/004b10132", test::imperialUnits(), {}, 3);
    const AprsSource& corrected = correctedShown->window;
    EXPECT_DOUBLE_EQ(corrected.meteo().Patm, 0.03 + 1013.2 * 0.02953);
    EXPECT_EQ(corrected.boxes().pressureBox.caption, "P-atm (inHg) = 29.95");
    EXPECT_EQ(decode("220/004p012", test::imperialUnits())->window.boxes().rainBox.caption, "Lluvia/24h (inch) = 0.12");
}

TEST(AprsDecode, ImplausibleValuesAreRed) {
    const auto dShown = decode("220/250g300t150b08000");
    const AprsSource& d = dShown->window;
    for (const Caption* c : {&d.boxes().outsideTemperatureBox, &d.boxes().feltTemperatureBox, &d.boxes().pressureBox,
                             &d.boxes().windBox, &d.boxes().gustBox})
        EXPECT_TRUE(c->red) << c->caption;
}

TEST(AprsDecode, NothingWithoutANonEmptyLine) {
    test::ReportWindow<AprsSource> aprs(kMetric, 0, 0);
    EXPECT_FALSE(aprs.window.showReport("", std::nullopt));
    EXPECT_FALSE(aprs.window.showReport("\r\n\n\r\n", std::nullopt));
    EXPECT_EQ(aprs.window.cwLine(), " ");
}

}  // namespace
}  // namespace skycrier
