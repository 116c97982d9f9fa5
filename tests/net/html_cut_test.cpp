#include "net/html_cut.h"

#include <gtest/gtest.h>

#include "platform/date_time.h"
#include "support/report_window.h"

namespace skycrier {
namespace {

const char* const kAviationWeatherUrl = "https://aviationweather.gov/api/data/metar?ids=KJFK&format=html // New York";
const char* const kAviationWeatherPage =
    "<!DOCTYPE html>\r\n"
    "<html><head><title>METAR for KJFK</title></head>\r\n"
    "<body>\r\n"
    "<pre>TAF: KJFK 101130Z 1012/1118 31012KT P6SM FEW250</pre>\r\n"
    "  <code>KJFK 101151Z 31012KT 10SM FEW250 M02/M13 A3012 RMK AO2 SLP199</code><br/>  \r\n"
    "</body></html>\r\n";
const char* const kVatsimUrl = "https://metar.vatsim.net/metar.php?icao=EGLL";
const char* const kVatsimPage =
    "<html><body>EGLL 101120Z AUTO 24015G28KT 9999 -SHRA FEW020CB 11/06 Q1002</body></html>\n";

TEST(MetarCut, TakesTheStationsReportLine) {
    const struct {
        const char* page;
        const char* url;
        int status;
        const char* line;
    } cases[] = {
        {kAviationWeatherPage, kAviationWeatherUrl, 0, "KJFK 101151Z 31012KT 10SM FEW250 M02/M13 A3012 RMK AO2 SLP199"},
        {kVatsimPage, kVatsimUrl, 0, "EGLL 101120Z AUTO 24015G28KT 9999 -SHRA FEW020CB 11/06 Q1002"},
        // A forecast alone is no report.
        {"<pre>TAF: KJFK 101130Z 1012/1118 31012KT</pre>\n", kAviationWeatherUrl, 6, ""},
        {"<p>No data</p>\n", kAviationWeatherUrl, 6, ""},
        {kVatsimPage, "https://example.org/metar?station=EGLL", 6, ""},
        {kVatsimPage, "https://example.org/report?icao=EGLL", 6, ""},
        {"", kVatsimUrl, 5, ""},
        // A tag left open takes what comes before it along.
        {"EGLL 101120Z 24015KT <b 11/06 Q1002\n", kVatsimUrl, 0, "b 11/06 Q1002"},
    };
    for (const auto& c : cases) {
        const HtmlCut cut = cutMetarFromHtml(c.page, c.url);
        EXPECT_EQ(cut.status, c.status) << c.page;
        EXPECT_EQ(cut.line, c.line) << c.page;
    }
}

TEST(MetarCut, StationOfTheAddress) {
    EXPECT_EQ(metarStationOfUrl(kAviationWeatherUrl), "KJFK");
    EXPECT_EQ(metarStationOfUrl(kVatsimUrl), "EGLL");
    EXPECT_EQ(metarStationOfUrl("https://aviationweather.gov/api/data/metar?ids=KJFK&icao=KLGA"), "KJFK");
    EXPECT_EQ(metarStationOfUrl("https://aviationweather.gov/api/data/metar?format=raw"), "");
}

TEST(AprsCut, TakesTheNewestRawPacket) {
    const char* const page =
        "<div class=\"browselist\">\n"
        "<span class=\"raw_line\">2024-01-15 12:24:56 UTC: "
        "OH2ABC&gt;APRS,TCPIP*:_01151224c220s003g004t076h51b09901</span><br />\n"
        "<span class=\"raw_line\">2024-01-15 12:34:56 UTC: "
        "OH2ABC&gt;APRS,TCPIP*:_01151234c220s004g005t077h50b09900</span><br />\n"
        "</div>\n";
    const HtmlCut cut = cutAprsFromHtml(page);
    ASSERT_EQ(cut.status, 0);
    EXPECT_EQ(cut.line, "2024-01-15 12:34:56 UTC: OH2ABC&gt;APRS,TCPIP*:_01151234c220s004g005t077h50b09900");
    // The saved line decodes as a one-line packet.
    test::ReportWindow<AprsSource> aprs({}, 0, 0);
    ASSERT_TRUE(aprs.window.showReport(cut.line, std::nullopt));
    EXPECT_EQ(aprs.window.meteo().ObservedAt, encodeDateTime(2024, 1, 15, 12, 34, 56));
    EXPECT_EQ(aprs.window.boxes().humidityBox.caption, "Humidad (%) = 50");

    EXPECT_EQ(cutAprsFromHtml("").status, 5);
    EXPECT_EQ(cutAprsFromHtml("<p>Please log in</p>\n").status, 6);
    EXPECT_EQ(cutAprsFromHtml("<span class=\"raw_line\">OH2ABC&gt;APRS:!6012.34N/02456.78E-PHG2360</span>\n").status,
              7);
}

TEST(Markup, TagsGoAndAnOpenTagTakesTheLineBeforeIt) {
    EXPECT_EQ(removeMarkup("<p>x <b>y</b></p>"), "x y");
    EXPECT_EQ(removeMarkup("a > b"), "a > b");
    EXPECT_EQ(removeMarkup("a<b>c<d"), "d");
    EXPECT_EQ(removeMarkup("a<b<c>d"), "ad");
}

}  // namespace
}  // namespace skycrier
