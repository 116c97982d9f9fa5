// skycrier-cli metar and aprs as a user runs them on a report file, a web
// address or an airport code, and a bulletin that speaks from a METAR address.

#include "cli/report_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "cli/bulletin_command.h"
#include "cli/usage.h"
#include "support/command_run.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"

namespace skycrier::cli {
namespace {

const std::string kReport = "EDDF 101120Z 27010KT 9999 FEW030 12/05 Q1013";

class ReportCommandTest : public ::testing::Test {
protected:
    // The reports' times are UTC; the local times shown are those of UTC.
    ReportCommandTest() {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }

    test::CommandResult metar(std::vector<std::string> args) {
        args.insert(args.end(), {"--folder", dir.path().string(), "--at", "2026-03-10 13:00:00"});
        return test::runCommand(runMetarCommand, args);
    }
    test::TempDir dir;
};

TEST_F(ReportCommandTest, AMetarReportToTheCharacter) {
    const auto r = metar({dir.write("report.txt", kReport + "\r\n")});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string expected =
        "\"controls\": {\"CheckBoxText\": {\"caption\": \"T-ext (°C) = 12.0\", \"red\": false}, "
        "\"CheckBoxPatm\": {\"caption\": \"P-atm (hPa) = 1013.0\", \"red\": false}, "
        "\"CheckBoxVent\": {\"caption\": \"Viento (km/h) = 19\", \"red\": false}, "
        "\"CheckBoxRafa\": {\"caption\": \"Ráfaga (km/h) = --\", \"red\": false}, "
        "\"CheckBoxDire\": {\"caption\": \"Dirección (°) = 270\", \"red\": false}, "
        "\"CheckBoxTRes\": {\"caption\": \"Sensación (°C) = 10.0\", \"red\": false}, "
        "\"CheckBoxPluie\": {\"caption\": \"Precipitación = --\", \"red\": false}, "
        "\"CheckBoxHumiExt\": {\"caption\": \"Humidad (%) = 62\", \"red\": false}, "
        "\"LabelICAO\": {\"caption\": \"Código aeropuerto= EDDF\", \"red\": false}, "
        "\"LabelNomICAO\": {\"caption\": \"====================\", \"red\": false}, "
        "\"LabelTros\": {\"caption\": \"Punto de rocio (°C) = 5.0\", \"red\": false}, "
        "\"Editdatemeteo\": {\"caption\": \"2026-03-10  11:20:00\", \"red\": false}, "
        "\"StaticTextErreur\": {\"caption\": \"\", \"red\": true}, "
        "\"Label6\": {\"caption\": \"hPa\", \"red\": false}}, "
        "\"uiview\": [\"Mar 10 2026 11:20\", \"270/012g...t054r000p...P...h62b10130\"], "
        "\"cw\": \" TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 62 \"}\n";
    ASSERT_GE(r.out.size(), expected.size());
    EXPECT_EQ(r.out.substr(r.out.size() - expected.size()), expected);
    EXPECT_NE(r.out.find("\"Text\": 12, \"Patm\": 1013,"), std::string::npos) << r.out;
}

TEST_F(ReportCommandTest, AnAprsWeatherFileInItsInputUnits) {
    const std::string wx = dir.write("WXNOW.TXT", "Jan 15 2024 12:34\r\n220/004g005t077r000p000P000h50b09900\r\n");
    const auto mph = test::runCommand(runAprsCommand, {wx, "--folder", dir.path().string()});
    EXPECT_EQ(mph.code, 0) << mph.err;
    EXPECT_NE(mph.out.find("\"CheckBoxVent\": {\"caption\": \"Viento (km/h) = 6\""), std::string::npos) << mph.out;
    EXPECT_NE(mph.out.find("\"cw\": \" TEMP 25C = QNH 990hPa = WS 6kmh = WCT 25C = HUM 50 \"}"), std::string::npos);
    const auto kmhCelsius =
        test::runCommand(runAprsCommand, {wx, "--in-wind", "kmh", "--in-temp", "C", "--wind", "mph", "--folder",
                                          dir.path().string()});
    EXPECT_NE(kmhCelsius.out.find("\"T-ext (°C) = 77.0\", \"red\": true"), std::string::npos) << kmhCelsius.out;
    EXPECT_NE(kmhCelsius.out.find("\"Viento (mph) = 2\""), std::string::npos) << kmhCelsius.out;
}

TEST_F(ReportCommandTest, ReportsCarryingMoreThanTheObservationReadRight) {
    const struct {
        const char* report;
        const char* shown;
    } cases[] = {
        {"METAR EDDF 101120Z 27010KT 12/05 Q1013 TEMPO 4000 -RA",
         "\"Código aeropuerto= EDDF\", \"red\": false}, \"LabelNomICAO\""},
        {"EDDF 101120Z 27010KT 12/05 Q1013 TEMPO 4000 -RA", "\"CheckBoxPluie\": {\"caption\": \"Precipitación = --\""},
        {"EDDF 302330Z 27010KT 12/05 Q1013", "\"Editdatemeteo\": {\"caption\": \"2026-01-30  23:30:00\""},
    };
    for (const auto& c : cases) {
        const auto r = metar({dir.write("report.txt", std::string(c.report) + "\r\n")});
        EXPECT_NE(r.out.find(c.shown), std::string::npos) << c.report << "\n" << r.out;
    }
    const std::string wx = dir.write("WXNOW.TXT", "220/...g...t077r000p000P000h50b09900\r\n");
    const auto aprs = test::runCommand(runAprsCommand, {wx, "--folder", dir.path().string()});
    EXPECT_NE(aprs.out.find("\"cw\": \" TEMP 25C = QNH 990hPa = HUM 50 \"}"), std::string::npos) << aprs.out;
}

// Central European time, with its summer rule written out so that no zone database is needed.
TEST_F(ReportCommandTest, AReportIsMadeLocalWithTheOffsetOfItsOwnDate) {
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ::tzset();
    const struct {
        const char* report;
        const char* at;
        const char* stamp;
    } cases[] = {
        {"EDDF 151020Z 27010KT 12/05 Q1013", "2026-07-15 13:00:00", "Jul 15 2026 12:20"},
        {"EDDF 151020Z 27010KT 12/05 Q1013", "2026-01-15 13:00:00", "Jan 15 2026 11:20"},
        // Read in winter, a summer report keeps its summer hour.
        {"EDDF 242330Z 27010KT 12/05 Q1013", "2026-10-25 09:00:00", "Oct 25 2026 01:30"},
    };
    for (const auto& c : cases) {
        const auto r = test::runCommand(runMetarCommand, {dir.write("report.txt", std::string(c.report) + "\n"),
                                                          "--folder", dir.path().string(), "--at", c.at});
        EXPECT_NE(r.out.find(std::string("\"uiview\": [\"") + c.stamp), std::string::npos) << c.at << "\n" << r.out;
    }
}

TEST_F(ReportCommandTest, AWebAddressIsFetchedFirstAndAFailureExitsOne) {
    test::HttpTestServer server({{"/metar", test::httpAnswer(200, kReport + "\n")}});
    const auto fetched = metar({"--url", server.url("/metar") + " // Frankfurt"});
    EXPECT_EQ(fetched.code, 0) << fetched.err;
    EXPECT_NE(fetched.out.find("\"LabelNomICAO\": {\"caption\": \" Frankfurt\""), std::string::npos);
    EXPECT_NE(fetched.out.find("\"Input\": \"metar_web.txt\""), std::string::npos);

    const auto missing = metar({"--url", server.url("/nothing")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.out.find("\"StaticTextErreur\": {\"caption\": \"Error archivo #1: HTTP 404: the server has no "
                               "such page; check the address\""),
              std::string::npos);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{}, {"a.txt", "--url", "http://x"},
                                                 {"a.txt", "--tu", "GMT"}, {"a.txt", "--in-wind", "kmh"}})
        test::expectRefused(test::runCommand(runMetarCommand, bad), kMetarUsage, true);
}

// A local server stands in for the provider of plain METAR text files, which carry a date line first.
TEST_F(ReportCommandTest, AnAirportCodeIsFetchedFromTheProvider) {
    test::HttpTestServer server({{"/stations/EDDF.TXT", test::httpAnswer(200, "2026/03/10 11:20\n" + kReport + "\n")}});
    const std::string provider = server.url("/stations/{ICAO}.TXT");
    const auto fetched = metar({"eddf", "--provider", provider});
    EXPECT_EQ(fetched.code, 0) << fetched.err;
    for (const char* shown : {"\"Código aeropuerto= EDDF\"", "\"Editdatemeteo\": {\"caption\": \"2026-03-10  11:20:00\""})
        EXPECT_NE(fetched.out.find(shown), std::string::npos) << fetched.out;
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].rfind("GET /stations/EDDF.TXT HTTP/1.1", 0), 0u) << server.requests()[0];

    test::expectRefused(test::runCommand(runMetarCommand, {"EDDF", "--provider", "http://127.0.0.1:1/metar.txt"}),
                        kMetarUsage, true);
}

TEST_F(ReportCommandTest, ABulletinSpeaksTheFetchedReportOrSaysWhyNot) {
    test::HttpTestServer server({{"/metar", test::httpAnswer(200, kReport + "\n")}});
    const auto run = [&](const std::string& url) {
        const std::string ini = dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nDATE=N\r\nMETEO=METAR\r\nMETAR_DAT=" +
                                                              url + "\r\nMETAR_TEMPEXT=Y\r\n");
        return test::runCommand(runBulletinCommand, {"--folder", dir.path().string(), "--at", "2026-03-10 13:00:00",
                                                     "--ini", ini, "--list"});
    };
    const auto spoken = run(server.url("/metar"));
    EXPECT_EQ(spoken.code, 0) << spoken.err;
    EXPECT_EQ(spoken.out, "wait 300\nplay son_it_s1\nplay son_pm\nwait 300\nplay son_ext_temp\nplay son12\n"
                          "play son_degrees\ndone\n");

    test::RefusingPort down;
    const auto silent = run("http://127.0.0.1:" + std::to_string(down.port()) + "/metar");
    EXPECT_EQ(silent.code, 0);
    EXPECT_EQ(silent.out, "wait 300\nplay son_it_s1\nplay son_pm\ndone\n");
    EXPECT_EQ(silent.err, "skycrier-cli bulletin: the weather source METAR cannot be used (Error archivo #1: "
                          "connection refused by 127.0.0.1: check the address and its port): "
                          "no weather is spoken\n");
}

}  // namespace
}  // namespace skycrier::cli
