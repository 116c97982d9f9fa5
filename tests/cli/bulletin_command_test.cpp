#include "cli/bulletin_command.h"

#include <gtest/gtest.h>

#include "cli/usage.h"
#include "platform/date_time.h"
#include "support/command_run.h"
#include "support/station_files.h"
#include "support/temp_dir.h"
#include "support/wm2_simulator_process.h"

namespace skycrier::cli {
namespace {

test::CommandResult run(const std::vector<std::string>& args) { return test::runCommand(runBulletinCommand, args); }

class BulletinCommandTest : public ::testing::Test {
protected:
    std::string ini(const std::string& text) { return dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\n" + text); }
    std::string record(const std::string& text) { return dir.write("record.txt", text); }
    test::TempDir dir;
};

const char* const kAt = "2026-12-07 14:05:00";

TEST_F(BulletinCommandTest, DefaultBulletinWithGreetingDateAndTime) {
    const auto r = run({"--at", kAt, "--ini", ini("HELLO=Y\r\nCOM=1\r\n"), "--list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "key DTR\nkey RTS\nwait 300\nplay-file kuckoo.wav\nplay son_mon\nplay son7\nplay son_dec\n"
              "play son2026\nwait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\nunkey DTR\n"
              "unkey RTS\ndone\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(BulletinCommandTest, RecordSpeaksOnlyWhatItsSourceSuppliesAndIsTicked) {
    const auto ini_path = ini("DATE=N\r\nROSE=16\r\n");
    const auto rec = record(
        "Source=APRS\nTint=20\nText=7.4\nTend=1\nVent=10\nDire=100\nHumiExt=55\n"
        "Enabled=Tint,Text,Tend,Vent,Dire\nObservedAt=2026-12-07 14:00:00\n");
    const auto r = run({"--at", kAt, "--ini", ini_path, "--record", rec, "--list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "wait 300\nplay son_ext_temp\nplay son7\nplay son_degrees\n"
              "wait 300\nplay son_wind\nplay son10\nplay son_kmh\n"
              "wait 300\nplay son_dir\nplay son_east\ndone\n");
}

TEST_F(BulletinCommandTest, ImperialUnitsFromTheConfiguration) {
    const auto ini_path = ini("DATE=N\r\nUNITTC=N\r\nUNITPM=N\r\nUNITVK=N\r\nUNITRM=N\r\n");
    const auto rec = record("Source=W28\nPatm=30.004\nVent=1\nPluie=0.5\nEnabled=Patm,Vent,Pluie\n");
    const auto r = run({"--at", kAt, "--ini", ini_path, "--record", rec, "--list"});
    EXPECT_EQ(r.out,
              "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "wait 300\nplay son_pressure\nplay son30\nplay son_inhg\n"
              "wait 300\nplay son_wind\nplay son1\nplay son_mph\n"
              "wait 300\nplay son_rain24\nplay son0\nplay son_point\nplay son5\nplay son0\nplay son_inch\ndone\n");
}

TEST_F(BulletinCommandTest, StaleFailedAndUnusableSourcesSpeakNoWeather) {
    const std::string time = "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\ndone\n";
    const auto ini_path = ini("DATE=N\r\nOLD=1\r\n");
    EXPECT_EQ(run({"--at", kAt, "--ini", ini_path, "--record",
                   record("Source=Pro2\nText=5\nEnabled=Text\nObservedAt=2026-12-07 13:04:00\n"), "--list"})
                  .out,
              time);
    EXPECT_EQ(run({"--at", kAt, "--ini", ini_path, "--record",
                   record("Source=METAR\nText=5\nEnabled=Text\nErrorText=Error archivo\n"), "--list"})
                  .out,
              time);
    EXPECT_EQ(run({"--at", kAt, "--ini", ini_path, "--record", record("Source=MON\nText=5\nEnabled=Text\nInput=0\n"),
                   "--list"})
                  .out,
              time);
    EXPECT_EQ(run({"--at", kAt, "--ini", ini_path, "--record",
                   record("Source=MON\nText=5\nEnabled=Text\nObservedAt=2020-01-01 00:00:00\n"), "--list"})
                  .out,
              "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "wait 300\nplay son_ext_temp\nplay son5\nplay son_degrees\ndone\n");
}

TEST_F(BulletinCommandTest, MetarPresentWeatherFromTheRainBox) {
    const auto rec = record("Source=METAR\nPhenomena=36\nEnabled=Pluie\n");
    const auto r = run({"--at", "2026-12-07 00:30:00", "--ini", ini("DATE=N\r\n"), "--record", rec, "--list"});
    EXPECT_EQ(r.out,
              "wait 300\nplay son_it_s\nplay son12_et\nplay son30\nplay son_am1\n"
              "wait 300\nplay son_raining\ndone\n");
}

TEST_F(BulletinCommandTest, ConfiguredStationFileSpeaksItsNewestRecord) {
    test::Ws23Record older;
    older.tempOut = -3.0f;
    older.pressure = 1009.6f;
    older.wind = 2.0f;
    test::Ws23Record newest = older;
    newest.tempOut = 4.4f;
    newest.pressure = 1012.8f;
    newest.wind = 5.0f;  // 18 km/h
    newest.direction = 4;  // east
    newest.humOut = 81;
    auto records = test::ws23Series(20, encodeDateTime(2026, 12, 7, 14, 0, 0), 5, older);
    records.back() = {records.back().time, newest.pressure, newest.wind, newest.direction, newest.rain,
                      newest.tempIn,       newest.tempOut,  newest.humIn, newest.humOut};
    const auto history = dir.write("history.dat", test::ws23File(records));
    const auto ini_path = ini("DATE=N\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_PRESATM=Y\r\nW23_PRETEND=Y\r\n"
                              "W23_VITVENT=Y\r\nW23_DIRVENT=Y\r\nW23_HUMIDI=Y\r\nW23_DAT=" +
                              history + "\r\n");
    const auto r = run({"--at", kAt, "--ini", ini_path, "--list"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "wait 300\nplay son_ext_temp\nplay son4\nplay son_degrees\n"
              "wait 300\nplay son_pressure\nplay son1000\nplay son13\nplay son_millibars\n"
              "wait 50\nplay son_rising\n"
              "wait 300\nplay son_wind\nplay son18\nplay son_kmh\n"
              "wait 300\nplay son_dir\nplay son_east\n"
              "wait 300\nplay son_humidity\nplay son81\nplay son_percent\ndone\n");
}

TEST_F(BulletinCommandTest, RelativeDataFilesAreTakenFromTheProgramFolder) {
    test::Ws23Record record;
    record.tempOut = 12.0f;
    dir.write("history.dat", test::ws23File(test::ws23Series(3, encodeDateTime(2026, 12, 7, 14, 0, 0), 5, record)));
    const auto ini_path = ini("DATE=N\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_DAT=history.dat\r\n");
    const auto r = run({"--at", kAt, "--folder", dir.path().string(), "--ini", ini_path, "--list"});
    EXPECT_EQ(r.out,
              "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\n"
              "wait 300\nplay son_ext_temp\nplay son12\nplay son_degrees\ndone\n");
}

// The console on a pseudo-terminal, read through its port as the service reads it.
TEST_F(BulletinCommandTest, AWeatherMonitorConsoleIsReadThroughItsPort) {
    test::Wm2Simulator console({"--outside", "50", "--barometer", "29.92"});
    const auto ini_path = ini("DATE=N\r\nMETEO=MON\r\nTEMPEXT=Y\r\nPRESATM=Y\r\nMETCOMM=" + console.device() + "\r\n");
    const auto r = run({"--at", kAt, "--ini", ini_path, "--list"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("play son_ext_temp\nplay son10\nplay son_degrees\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("play son_pressure\nplay son1000\nplay son13\nplay son_millibars\n"), std::string::npos)
        << r.out;
}

TEST_F(BulletinCommandTest, ConfiguredSourceWithoutItsFileSpeaksNoWeather) {
    const auto ini_path =
        ini("DATE=N\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_DAT=" + (dir.path() / "gone.dat").string() + "\r\n");
    EXPECT_EQ(run({"--at", kAt, "--ini", ini_path, "--list"}).out,
              "wait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\ndone\n");
}

TEST_F(BulletinCommandTest, BadInputIsNamedAndOptionMistakesShowTheUsage) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"--list", "--bogus"}, true},
        {{"--at", "yesterday", "--list"}, true},
        {{"--ini"}, true},
        {{"--at", kAt}, true},
        {{"--ini", (dir.path() / "missing.ini").string(), "--list"}, false},
        {{"--record", record("Source=W99\n"), "--list"}, false},
        {{"--record", record("Source=W23\nText=warm\n"), "--list"}, false},
        {{"--record", record("Source=W23\nEnabled=Text,Colour\n"), "--list"}, false},
    };
    for (const auto& [args, optionMistake] : cases) {
        SCOPED_TRACE(args[0]);
        test::expectRefused(run(args), kBulletinUsage, optionMistake);
    }
    const auto help = test::runCommand(runBulletinCommand, {"-h"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.starts_with(kBulletinUsage)) << help.out;
}

}  // namespace
}  // namespace skycrier::cli
