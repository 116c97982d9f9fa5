// The program comes up in its fixed order on the first tick and goes down
// with nothing lost and the transmitter unkeyed.

#include "app/program.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_fetcher.h"
#include "support/fake_serial_line.h"
#include "support/fake_weather_monitor.h"
#include "support/fake_wave_out.h"
#include "support/station_files.h"
#include "support/temp_dir.h"
#include "support/trace_recorder.h"

namespace skycrier {
namespace {

AnnouncerParts partsOf(EventLoop& loop, WaveOut& out, SerialLine& line, const std::filesystem::path& folder,
                       HttpFetcher& web, WeatherMonitorLink& station) {
    AnnouncerParts parts{loop, out, line, folder, {}};
    parts.fetcher = &web;
    parts.weatherMonitor = &station;
    parts.listPorts = [] { return std::vector<std::string>{"/dev/ttyS0"}; };
    return parts;
}

struct ProgramRig {
    explicit ProgramRig(const std::string& config) : config_(config) {}

    // The files are there when the program starts.
    bool writeFiles() {
        if (!config_.empty()) dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\n" + config_);
        dir.write("skycrier.log", "Log BRELL\r\n2026-12-06 10:00:00 an older entry\r\n");
        dir.write("history.dat", test::ws23File(test::ws23Series(3, loop.localNow(), 10)));
        return true;
    }

    std::string saved() const { return test::fileText(dir.path() / "skycrier.ini"); }
    // The versions kept beside the configuration.
    std::vector<std::filesystem::path> kept(const std::string& prefix) const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            if (entry.path().filename().string().starts_with(prefix)) files.push_back(entry.path());
        return files;
    }

    // Monday 7 December 2026, 07:14:59: the first due minute comes during the start-up's second.
    VirtualLoop loop{encodeDateTime(2026, 12, 7, 7, 14, 59)};
    test::FakeWaveOut out{loop};
    test::FakeSerialLine line;
    std::string config_;
    test::TempDir dir;
    bool written = writeFiles();
    test::FakeFetcher web{loop};
    test::FakeWeatherMonitor station{loop};
    Program program{{partsOf(loop, out, line, dir.path(), web, station), dir.path() / "Public" / "weather"}};
    Announcer& a = program.announcer();
    test::TraceRecorder trace{a.bulletinEvents()};
    std::vector<std::string> reported;
    Subscription reports =
        a.statusBoard().reported.connect([this](const std::string& text) { reported.push_back(text); });
    std::vector<Millis> starts;
    Subscription started =
        a.bulletinStarted().connect([this](BulletinTrigger) { starts.push_back(loop.monotonicMs()); });
};

TEST(Program, TheFirstTickBringsItUpAndTheScheduleBeginsASecondLater) {
    ProgramRig r("PERIOD=3\r\nCOM=1\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_DAT=history.dat\r\nNOSUCHKEY=1\r\n");
    r.program.start();
    r.loop.advance(499);
    EXPECT_FALSE(r.program.started());
    EXPECT_EQ(r.a.mainModels().window.caption(), "SkyCrier");
    EXPECT_EQ(r.a.mainModels().schedule.periodText, "0");

    r.loop.advance(1);
    EXPECT_TRUE(r.program.started());
    EXPECT_EQ(r.a.mainModels().window.caption(), "SKYCRIER V2.2.2");
    EXPECT_EQ(r.a.mainModels().schedule.periodText, "15");
    EXPECT_EQ(r.a.mainModels().clock.shown().timeText, " 07:14:59");
    EXPECT_TRUE(r.a.sources().sourceChoice.isChecked(SourceKind::W23));
    EXPECT_TRUE(r.a.sources().ws23Source.meteo().ErrorText.empty());
    EXPECT_EQ(r.a.portWindow().selectedItem(), "/dev/ttyS0");
    // The old log is read before the first new entry is added to it.
    ASSERT_EQ(r.a.logLines().size(), 3u);
    EXPECT_EQ(r.a.logLines()[1], "2026-12-06 10:00:00 an older entry");
    EXPECT_EQ(r.a.logLines()[2].substr(20), r.reported.at(0));
    EXPECT_EQ(r.reported, std::vector<std::string>{(r.dir.path() / "skycrier.ini").string() +
                                                   ": line 7: unknown key: NOSUCHKEY=1"});
    EXPECT_TRUE(std::filesystem::is_directory(r.program.sharedDataFolder()));

    // 07:15 falls in the start-up's second: the first decision, a second after it, takes it.
    r.loop.advance(1000);
    EXPECT_EQ(r.starts, std::vector<Millis>{1500});
}

TEST(Program, ClosingDuringABulletinUnkeysSavesAndReleasesThePort) {
    ProgramRig r("PAUSE=15\r\nCOM=1\r\n");
    r.program.start();
    r.loop.advance(600);
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(1000);
    ASSERT_TRUE(r.line.raised(SerialPin::DTR));
    r.program.close();
    r.program.close();
    EXPECT_FALSE(r.line.raised(SerialPin::DTR));
    EXPECT_FALSE(r.line.raised(SerialPin::RTS));
    EXPECT_FALSE(r.line.isOpen());
    EXPECT_EQ(r.trace.lines.back(), "abort Err: SkyCrier closing");
    EXPECT_EQ(r.trace.ends, 1);
    const std::string saved = r.saved();
    EXPECT_NE(saved.find("\r\nPAUSE=15\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nCOM=1\r\n"), std::string::npos) << saved;
}

TEST(Program, WithoutAConfigurationEverythingKeepsItsDefaultAndTheCloseWritesOne) {
    ProgramRig r("");
    r.program.start();
    r.loop.advance(600);
    EXPECT_TRUE(r.reported.empty());
    EXPECT_EQ(r.a.portWindow().selectedItem(), "");
    r.program.close();
    EXPECT_EQ(r.saved().rfind("[SKYCRIER V2.2.2]\r\n", 0), 0u);
}

// A configuration that cannot be read (here: over the size cap) costs the
// user nothing: the program runs on defaults, stops without writing over it,
// and a save on purpose keeps it beside the new one.
TEST(Program, AConfigurationThatCannotBeReadIsNeverWrittenOver) {
    const std::string lines = "COM=/dev/ttyUSB0\r\n" + std::string(kMaxTextFileBytes, ';');
    ProgramRig r(lines);
    const std::string unread = "[SKYCRIER V2.2.2]\r\n" + lines;
    r.program.start();
    r.loop.advance(600);
    ASSERT_EQ(r.reported.size(), 1u);
    EXPECT_NE(r.reported[0].find("does not write over the file"), std::string::npos) << r.reported[0];
    r.a.mainModels().window.minimiseByUser();
    r.program.close();
    EXPECT_TRUE(r.saved() == unread);

    EXPECT_TRUE(r.a.saveConfiguration(Announcer::Save::OnPurpose));
    EXPECT_EQ(r.saved().rfind("[SKYCRIER V2.2.2]\r\n", 0), 0u);
    const auto kept = r.kept("skycrier.ini.unread-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(test::fileText(kept[0]) == unread);
}

// Hand edits survive: an automatic save writes nothing while no setting
// changed, and a save over a file changed on disk keeps that version beside it.
TEST(Program, AFileEditedWhileTheProgramRunsIsNeverLost) {
    ProgramRig r("PAUSE=3\r\n");
    r.program.start();
    r.loop.advance(600);
    const std::string edited = r.saved() + "PAUSE=7\r\n";
    r.dir.write("skycrier.ini", edited);
    EXPECT_TRUE(r.a.saveConfiguration());
    EXPECT_TRUE(r.saved() == edited);

    r.a.mainModels().settings.pauseSeconds = 5;
    EXPECT_TRUE(r.a.saveConfiguration());
    EXPECT_NE(r.saved().find("\r\nPAUSE=5\r\n"), std::string::npos) << r.saved();
    const auto kept = r.kept("skycrier.ini.2026");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(test::fileText(kept[0]) == edited);
    EXPECT_NE(r.a.logLines().back().find("was changed by someone else since SkyCrier read it"), std::string::npos);
    // What the program wrote itself is no stranger's version.
    r.a.mainModels().settings.pauseSeconds = 6;
    EXPECT_TRUE(r.a.saveConfiguration());
    EXPECT_EQ(r.kept("skycrier.ini.2026").size(), 1u);
}

// The station opens in the start-up's own step; "FORMMETEO=N" hides its
// window only once it is connected, so that a failure stays in sight.
TEST(Program, TheWeatherMonitorOpensAtStartUpLogsEveryHourAndClosesWithTheProgram) {
    for (const int openResult : {1, 0}) {
        SCOPED_TRACE(openResult);
        ProgramRig r("METEO=MON\r\nTEMPINT=Y\r\nLOG=Y\r\nMETPERI=1\r\nMETCOMM=4\r\nFORMMETEO=N\r\n");
        r.station.openResult = openResult;
        r.program.start();
        r.loop.advance(600);
        const MonitorSource& monitor = r.a.sources().monitorSource;
        EXPECT_EQ(r.station.opened, std::vector<std::string>{"/dev/ttyS3"});
        EXPECT_EQ(monitor.connected(), openResult == 1);
        EXPECT_EQ(monitor.visible(), openResult != 1);
        if (openResult == 1) {
            EXPECT_TRUE(r.reported.empty());
            r.loop.advance(45 * 60'000 + 1000);
            EXPECT_EQ(r.a.logLines().back(),
                      "2026-12-07 08:00:00 Meteo MonII Tini=20 Text=10 PAtm=1013 Vient0=0 Rafaga=0 Direc=90");
        } else {
            EXPECT_EQ(monitor.statusText(), kMonitorPortError);
            EXPECT_EQ(r.reported.at(0),
                      "the weather source MON cannot be used (Error: COM-Port): no weather is spoken");
        }
        const int closes = r.station.closes;
        r.program.close();
        EXPECT_EQ(r.station.closes, closes + 1);
        const std::string saved = r.saved();
        EXPECT_NE(saved.find("\r\nLOG=Y\r\nMETPERI=1\r\nMETCOMM=4\r\n"), std::string::npos) << saved;
    }
}

// A station started at boot before its USB adapter or its share: what is
// configured is kept and saved, each trouble is told once when it begins and
// once when it ends, and what comes late is picked up while the program runs.
TEST(Program, DevicesAndFilesLateAtBootAreKeptToldOnceAndPickedUp) {
    const struct {
        const char* name;
        bool portAbsent, portComes, fileAbsent, fileComes;
        std::vector<std::string> told;  // DIR stands for the program folder
    } cases[] = {
        {.name = "absent port", .portAbsent = true, .portComes = false, .fileAbsent = false, .fileComes = false,
         .told = {"Fehler: COM-Port (/dev/ttyUSB0: No such file or directory): kept as configured; tried again "
                  "every minute and before each bulletin"}},
        {.name = "late port", .portAbsent = true, .portComes = true, .fileAbsent = false, .fileComes = false,
         .told = {"Fehler: COM-Port (/dev/ttyUSB0: No such file or directory): kept as configured; tried again "
                  "every minute and before each bulletin",
                  "COM-Port /dev/ttyUSB0 open again (/dev/ttyUSB0)"}},
        {.name = "absent file", .portAbsent = false, .portComes = false, .fileAbsent = true, .fileComes = false,
         .told = {"W23_DAT=late.dat: file DIR/late.dat not found (Error de archivo); kept as configured and looked "
                  "for again at each poll"}},
        {.name = "late file", .portAbsent = false, .portComes = false, .fileAbsent = true, .fileComes = true,
         .told = {"W23_DAT=late.dat: file DIR/late.dat not found (Error de archivo); kept as configured and looked "
                  "for again at each poll",
                  "W23_DAT=late.dat: file found again"}},
        {.name = "both late", .portAbsent = true, .portComes = true, .fileAbsent = true, .fileComes = true,
         .told = {"Fehler: COM-Port (/dev/ttyUSB0: No such file or directory): kept as configured; tried again "
                  "every minute and before each bulletin",
                  "W23_DAT=late.dat: file DIR/late.dat not found (Error de archivo); kept as configured and looked "
                  "for again at each poll",
                  "COM-Port /dev/ttyUSB0 open again (/dev/ttyUSB0)", "W23_DAT=late.dat: file found again"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramRig r("COM=/dev/ttyUSB0\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_DAT=" +
                     std::string(c.fileAbsent ? "late.dat" : "history.dat") + "\r\n");
        std::vector<std::string> told;
        const Subscription notices =
            r.a.statusBoard().noticed.connect([&](const std::string& t) { told.push_back(t); });
        r.line.refuseOpen = c.portAbsent;
        r.program.start();
        r.loop.advance(600);
        EXPECT_EQ(r.a.portWindow().selectedItem(), "/dev/ttyUSB0");
        EXPECT_EQ(r.a.mainModels().window.portAbsent(), c.portAbsent);
        EXPECT_EQ(r.a.sources().ws23Source.inputLine(), c.fileAbsent ? "late.dat" : "history.dat");
        // Three minutes of retries and polls tell nothing more.
        r.loop.advance(3 * 60'000);
        if (c.fileComes) std::filesystem::copy_file(r.dir.path() / "history.dat", r.dir.path() / "late.dat");
        if (c.portComes) r.line.refuseOpen = false;
        r.loop.advance(60'000);
        EXPECT_EQ(r.line.isOpen(), !c.portAbsent || c.portComes);
        EXPECT_EQ(r.a.sources().ws23Source.poller().errorLine().empty(), !c.fileAbsent || c.fileComes);
        r.program.close();

        std::vector<std::string> expected = c.told;
        for (std::string& line : expected)
            if (const auto at = line.find("DIR"); at != std::string::npos) line.replace(at, 3, r.dir.path().string());
        EXPECT_EQ(told, expected);
        for (const std::string& line : expected)
            EXPECT_EQ(std::count_if(r.a.logLines().begin(), r.a.logLines().end(),
                                    [&](const std::string& l) { return l.ends_with(line); }),
                      1);
        const std::string saved = r.saved();
        EXPECT_NE(saved.find("\r\nCOM=/dev/ttyUSB0\r\n"), std::string::npos) << saved;
        EXPECT_NE(saved.find(c.fileAbsent ? "\r\nW23_DAT=late.dat\r\n" : "\r\nW23_DAT=history.dat\r\n"),
                  std::string::npos)
            << saved;
    }
}

// A port that comes between two of the minute's tries is opened before the bulletin keys.
TEST(Program, APortThatCameIsOpenedBeforeTheBulletinKeys) {
    ProgramRig r("COM=/dev/ttyUSB0\r\n");
    r.line.refuseOpen = true;
    r.program.start();
    r.loop.advance(600);
    r.line.refuseOpen = false;
    r.a.requestBulletin(BulletinTrigger::Button);
    r.loop.advance(100);
    EXPECT_TRUE(r.line.raised(SerialPin::DTR));
    r.program.close();
}

TEST(Program, TheStartUpChecksForANewVersionOnlyWhenAsked) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"VERSTART=0\r\n", {}},
        {"VERSTART=1\r\n", {"https://skycrier.github.io/index_fichiers/versions.txt"}},
    };
    for (const auto& [config, asked] : cases) {
        ProgramRig r(config);
        r.program.start();
        r.loop.advance(600);
        EXPECT_EQ(r.web.urls, asked) << config;
    }
}

}  // namespace
}  // namespace skycrier
