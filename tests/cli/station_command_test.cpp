#include "cli/station_command.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/date_time.h"
#include "cli/usage.h"
#include "support/command_run.h"
#include "support/station_files.h"
#include "support/temp_dir.h"
#include "support/wm2_simulator_process.h"

namespace skycrier::cli {
namespace {

test::CommandResult run(const std::vector<std::string>& args) { return test::runCommand(runStationCommand, args); }

class StationCommandTest : public ::testing::Test {
protected:
    std::string ws23(const std::vector<test::Ws23Record>& records) {
        return dir.write("history.dat", test::ws23File(records));
    }
    test::TempDir dir;
};

TEST_F(StationCommandTest, Ws23RecordAndControlsAsJson) {
    test::Ws23Record r;
    r.pressure = 1013.5f;
    r.wind = 2.5f;
    r.direction = 4;
    r.tempIn = 21.5f;
    r.tempOut = -2.5f;
    const auto records = test::ws23Series(3, encodeDateTime(2026, 3, 10, 0, 0), 30, r);
    const auto result = run({"w23", ws23(records), "--offset", "2"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(
        result.out,
        "{\"MeteoData\": {\"Tint\": 21.5, \"Text\": -2.5, \"Patm\": 1015.5, \"Tend\": 0, \"Vent\": 9, \"Rafa\": 9, "
        "\"Dire\": 90, \"TRes\": -6.002513287306057, \"Pluie\": -1, \"Phenomena\": 0, \"HumiExt\": 60, "
        "\"ObservedAt\": 46091, \"Input\": \"" +
            (dir.path() / "history.dat").string() +
            "\", \"ErrorText\": \"\", \"DeferredPoll\": false}, \"controls\": {"
            "\"CheckBoxTint\": {\"caption\": \"T-int (°C) = 21.5\", \"red\": false}, "
            "\"CheckBoxText\": {\"caption\": \"T-ext (°C) = -2.5\", \"red\": false}, "
            "\"CheckBoxPatm\": {\"caption\": \"P-atm (hPa) = 1015.5\", \"red\": false}, "
            "\"CheckBoxTend\": {\"caption\": \"Tendencia: variable\", \"red\": false}, "
            "\"CheckBoxVent\": {\"caption\": \"Viento (km/h) = 9\", \"red\": false}, "
            "\"CheckBoxRafa\": {\"caption\": \"Ráfaga (km/h) = 9\", \"red\": false}, "
            "\"CheckBoxDire\": {\"caption\": \"Dirección (°) = 90\", \"red\": false}, "
            "\"CheckBoxTRes\": {\"caption\": \"Sensación(°C) = -6.0\", \"red\": false}, "
            "\"CheckBoxPluie\": {\"caption\": \"Lluvia/24h (mm) = --\", \"red\": false}, "
            "\"CheckBoxHumiExt\": {\"caption\": \"Humidad (%) = 60\", \"red\": false}, "
            "\"LabelHumInt\": {\"caption\": \"Humidad-int (%) = 50\", \"red\": false}, "
            "\"LabelTros\": {\"caption\": \"Punto de rocio (°C) = -9.3\", \"red\": false}, "
            "\"StaticTextErreur\": {\"caption\": \"\", \"red\": true}, "
            "\"Editdatemeteo\": {\"caption\": \"2026-03-10\", \"red\": false}, "
            "\"Label6\": {\"caption\": \"hPa\", \"red\": false}, "
            "\"Label9\": {\"caption\": \"0.1*mB/h\", \"red\": false}}}\n");
}

TEST_F(StationCommandTest, Ws28ImperialRelativePressure) {
    test::Ws28Record r;
    r.relativePressure = 1000;
    r.wind = 10;
    r.gust = 15;
    const std::string file = dir.write("history.dat", test::ws28File({r}));
    const auto result = run({"w28", file, "--relative", "--temp", "F", "--pressure", "inHg", "--wind", "mph",
                               "--rain", "inch", "--offset", "10", "--threshold", "30"});
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("\"Patm\": 29.630000000000003,"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"CheckBoxPatm\": {\"caption\": \"P-atm (inHg) = 29.63\""), std::string::npos);
    EXPECT_NE(result.out.find("\"CheckBoxRafa\": {\"caption\": \"Ráfaga (mph) = 34\""), std::string::npos);
    EXPECT_NE(result.out.find("\"Label6\": {\"caption\": \"0.01*inHg\""), std::string::npos);
}

TEST_F(StationCommandTest, Pro2FollowsTheMonthOfItsClock) {
    test::WlkRecord r;
    r.minutes = 1440;
    dir.write("2026-02.wlk", test::wlkFile(test::withDailySummaries({r})));
    r.minutes = 90;
    dir.write("2026-03.wlk", test::wlkFile(test::withDailySummaries({r})));
    const std::string february = (dir.path() / "2026-02.wlk").string();
    auto result = run({"pro2", february, "--at", "2026-02-20 10:00:00"});
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("\"Editdatemeteo\": {\"caption\": \"2026-02-02 00:00\""), std::string::npos);
    result = run({"pro2", february, "--at", "2026-03-01 02:00:00"});
    EXPECT_NE(result.out.find("\"Input\": \"" + (dir.path() / "2026-03.wlk").string() + "\""), std::string::npos);
    EXPECT_NE(result.out.find("\"Editdatemeteo\": {\"caption\": \"2026-03-01 01:30:00\""), std::string::npos);
}

TEST_F(StationCommandTest, FailedPollIsShownAndExitsOne) {
    const std::string file = dir.write("q\"b\\x\t.dat", std::string(10, '\0'));
    const auto result = run({"w23", file});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find("\"ErrorText\": \"Error archivo\""), std::string::npos);
    EXPECT_NE(result.out.find("q\\\"b\\\\x\\t.dat\""), std::string::npos) << result.out;
}

TEST_F(StationCommandTest, BadOptionsShowTheUsageAndUnreadableFilesOneLine) {
    const std::string file = dir.write("history.dat", test::ws23File({test::Ws23Record{}}));
    const std::pair<std::vector<std::string>, bool> bad[] = {
        {{}, true},
        {{"w23"}, true},
        {{"ws9", file}, true},
        {{"w23", file, "--temp", "K"}, true},
        {{"w23", file, "--wind"}, true},
        {{"w23", file, "--offset", "1.5"}, true},
        {{"w23", file, "--threshold", "12"}, true},
        {{"w23", file, "--relative"}, true},
        {{"w23", file, "--at", "2026-02-30 10:00:00"}, true},
        {{"w23", file, "--verbose"}, true},
        {{"w23", (dir.path() / "absent.dat").string()}, false},
        {{"w23", dir.path().string()}, false},
        {{"mon"}, true},
        {{"mon", "COMx"}, true},
        {{"mon", "1", "--polls", "0"}, true},
        {{"mon", "1", "--offset", "2"}, true},
    };
    for (const auto& [args, optionMistake] : bad) {
        SCOPED_TRACE(args.empty() ? "" : args.back());
        const auto result = run(args);
        test::expectRefused(result, kStationUsage, optionMistake);
        EXPECT_EQ(result.err.rfind("skycrier-cli station: ", 0), 0u) << result.err;
    }
}

// A Weather Monitor II console simulated on a pseudo-terminal, polled as the
// window's port list opens it.
TEST(MonitorStationCommand, PollsTheConsole) {
    const struct {
        std::vector<std::string> console;
        std::vector<std::string> options;
        int code;
        std::vector<std::string> shown;
    } cases[] = {
        {{"--inside", "68", "--outside", "50", "--barometer", "29.92", "--wind", "10", "--direction", "270",
          "--trend", "falling"},
         {},
         0,
         {"\"Tint\": 20,", "\"Text\": 10,", "\"Tend\": 2,", "\"Dire\": 270,", "\"Input\": \"1\"",
          "\"T-int (°C)= 20.0\"", "\"P-atm (hPa) = 1013.2\"", "\"Viento (km/h) = 16\"",
          "\"Tendencia: decreciente\"", "\"Weather Monitor cerrado\"", "\"DLL-Version: 1.000\""}},
        {{"--inside", "68", "--barometer", "29.92"},
         {"--temp", "F", "--pressure", "inHg"},
         0,
         {"\"Tint\": 68,", "\"Patm\": 29.92,", "\"P-atm (inHg) = 29.92\""}},
        // Five packets a poll: ten polls of 20, then 5. The ring's exact edge is
        // the engine's test; here the counts stay clear of it, so a packet read
        // twice on a busy machine changes nothing.
        {{"--wind", "20*50,5"}, {"--wind", "mph", "--polls", "12"}, 0, {"\"Vent\": 5,", "\"Rafa\": 20,"}},
        {{"--wind", "20*50,5"}, {"--wind", "mph", "--polls", "24"}, 0, {"\"Rafa\": 5,"}},
        {{"--fault", "crc"}, {}, 1, {"\"Input\": \"0\"", "\"Error: Weather Monitor\""}},
        {{"--fault", "silence"}, {}, 1, {"\"Error: Weather Monitor\""}},
        {{"--fault", "unplug"}, {"--polls", "3"}, 1, {"\"Error: Weather Monitor\""}},
        // A spoilt packet is asked for again.
        {{"--fault", "garbage", "--faulty-answers", "1"}, {}, 0, {"\"Tint\": 20,"}},
    };
    for (const auto& c : cases) {
        test::Wm2Simulator console(c.console);
        std::vector<std::string> args{"mon", console.device()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto result = run(args);
        SCOPED_TRACE(result.out + result.err);
        EXPECT_EQ(result.code, c.code);
        for (const std::string& text : c.shown) EXPECT_NE(result.out.find(text), std::string::npos) << text;
    }
    const auto notAStation = run({"mon", "/dev/null"});
    EXPECT_EQ(notAStation.code, 1);
    EXPECT_NE(notAStation.out.find("\"Error: COM-Port\""), std::string::npos) << notAStation.out;
}

}  // namespace
}  // namespace skycrier::cli
