#include "app/configuration.h"

#include <gtest/gtest.h>

#include "app/configuration_text.h"
#include "app/transmitter_port_control.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    void load(const std::string& text) {
        ConfigTargets targets{bulletin, lines, units, port};
        applyConfiguration(parseConfigText(text), targets);
    }
    BulletinSettings bulletin;
    PortLineSettings lines;
    SpeechUnits units;
    VirtualLoop portLoop;
    test::FakeSerialLine line;
    TransmitterPortControl port{portLoop, line};
};

TEST(ConfigText, LineEndsKeysAndVerbatimValues) {
    const auto lines = parseConfigText("[SKYCRIER V2.2.2]\r\nA=1\rB=x=y\nC= padded \r\n=skip\nnoequals\r\n\r\nD=");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].key, "A=");
    EXPECT_EQ(lines[0].value, "1");
    EXPECT_EQ(lines[1].key, "B=");
    EXPECT_EQ(lines[1].value, "x=y");
    EXPECT_EQ(lines[2].value, " padded ");
    EXPECT_EQ(lines[3].key, "D=");
    EXPECT_EQ(lines[3].value, "");
}

TEST_F(ConfigurationTest, HeaderOnlyKeepsEveryDefault) {
    load("[SKYCRIER V2.2.2]\r\n");
    EXPECT_FALSE(bulletin.playHeader);
    EXPECT_TRUE(bulletin.speakDate);
    EXPECT_EQ(bulletin.greetingFile, "kuckoo.wav");
    EXPECT_EQ(bulletin.staleRule, StaleRule::Always);
    EXPECT_FALSE(bulletin.sixteenPointDirections);
    EXPECT_TRUE(lines.keyDtr && lines.keyRts && lines.holdOnDcd);
    EXPECT_TRUE(units.temperatureMetric());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(ConfigurationTest, FlagsFollowTheirOwnLiterals) {
    load("ENTETE=y\nHELLO=Y\nFINAL=Y\nDATE=\n");
    EXPECT_FALSE(bulletin.playHeader);  // only "Y" checks
    EXPECT_TRUE(bulletin.playGreeting);
    EXPECT_TRUE(bulletin.playClosing);
    EXPECT_TRUE(bulletin.speakDate);  // only "N" unchecks
    load("HELLO=yes\nFINAL=N\nDATE=N\nENTETE=Y\n");
    EXPECT_FALSE(bulletin.playGreeting);
    EXPECT_FALSE(bulletin.playClosing);
    EXPECT_FALSE(bulletin.speakDate);
    EXPECT_TRUE(bulletin.playHeader);
}

TEST_F(ConfigurationTest, PathsPauseRoseAndAge) {
    load("FICHIER_ENTETE=/srv/id.wav\nFICHIER_BRELL=chime.wav\nFICHIER_FIN=a=b.wav\nPAUSE=7\nROSE=16\nOLD=2\n");
    EXPECT_EQ(bulletin.headerFile, "/srv/id.wav");
    EXPECT_EQ(bulletin.greetingFile, "chime.wav");
    EXPECT_EQ(bulletin.closingFile, "a=b.wav");
    EXPECT_EQ(bulletin.pauseSeconds, 7);
    EXPECT_TRUE(bulletin.sixteenPointDirections);
    EXPECT_EQ(bulletin.staleRule, StaleRule::TwoHours);
    EXPECT_EQ(bulletin.vocabularyFolder, "");
    load("VOCABULARY=voices/op\n");
    EXPECT_EQ(bulletin.vocabularyFolder, "voices/op");
    load("PAUSE=x\nOLD=4\nROSE=8\n");
    EXPECT_EQ(bulletin.pauseSeconds, 7);  // a malformed pause is ignored
    EXPECT_EQ(bulletin.staleRule, StaleRule::TwoHours);
    EXPECT_TRUE(bulletin.sixteenPointDirections);
    load("PAUSE=40\nOLD=1\n");
    EXPECT_EQ(bulletin.pauseSeconds, 15);
    EXPECT_EQ(bulletin.staleRule, StaleRule::OneHour);
}

TEST_F(ConfigurationTest, KeysMatchExactlyAndLaterLinesWin) {
    load("pause=3\nPAUSE =4\nPAUSE=5\nPAUSE=6\n");
    EXPECT_EQ(bulletin.pauseSeconds, 6);
}

TEST_F(ConfigurationTest, UnitsAreMetricOnlyForY) {
    load("UNITTC=N\nUNITPM=n\nUNITVK=Y\nUNITRM=\n");
    EXPECT_EQ(units.TempText, "F");
    EXPECT_EQ(units.TempFactor, 1.8);
    EXPECT_EQ(units.PressText, "inHg");
    EXPECT_EQ(units.CorrFactor, 0.01);
    EXPECT_EQ(units.WindText, "km/h");
    EXPECT_EQ(units.RainText, "inch");
    EXPECT_EQ(units.RainFactor, 0.03937);
}

TEST_F(ConfigurationTest, PortAndLines) {
    load("COM=3\nDTR=0\nRTS=1\nDCD=0\n");
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portName(), "COM3");
    EXPECT_FALSE(lines.keyDtr);
    EXPECT_TRUE(lines.keyRts);
    EXPECT_FALSE(lines.holdOnDcd);
    load("COM=/dev/ttyUSB0\n");
    EXPECT_EQ(port.portName(), "/dev/ttyUSB0");
    load("COM=COM4\n");
    EXPECT_EQ(line.device, "/dev/ttyS3");
    load("COM=0\n");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.portName(), "No COM");
}

TEST_F(ConfigurationTest, TheTransmitTimeOutIsBoundedAndWrittenLastWhenNotTheDefault) {
    ConfigTargets targets{bulletin, lines, units, port};
    EXPECT_EQ(configurationText(targets).find("TX_TIMEOUT="), std::string::npos);
    const std::pair<const char*, int> values[] = {{"90", 90}, {"5", 30}, {"9999", 3600}, {"x", 3600}};
    for (const auto& [value, seconds] : values) {
        load(std::string("TX_TIMEOUT=") + value + "\n");
        EXPECT_EQ(lines.transmitLimitSeconds, seconds) << value;
    }
    EXPECT_TRUE(configurationText(targets).ends_with("\r\nTX_TIMEOUT=3600\r\n"));
}

// The source keys, applied to the program's sources.
class SourceConfigurationTest : public ConfigurationTest {
protected:
    void loadSources(const std::string& text) {
        ConfigTargets targets{bulletin, lines, units, port, &stations};
        applyConfiguration(parseConfigText(text), targets);
    }
    std::string history() {
        return dir.write("history.dat", test::ws23File(test::ws23Series(3, encodeDateTime(2026, 3, 10, 11, 40), 25,
                                                                        test::Ws23Record{})));
    }

    VirtualLoop loop{encodeDateTime(2026, 3, 10, 12, 0)};
    SourceModels stations{loop, units};
    test::TempDir dir;
};

TEST_F(SourceConfigurationTest, TheRememberedSourceStartsAfterTheLastLine) {
    loadSources("METEO=MON\nMETEO=W23\nUNITTC=N\nW23_DAT=" + history() + "\n");
    EXPECT_EQ(stations.sourceChoice.checkedSource(), SourceKind::W23);
    EXPECT_TRUE(stations.ws23Source.poller().enabled());
    EXPECT_EQ(stations.ws23Source.boxes().insideTemperatureBox.caption, "T-int (°F) = 68.0");

    loadSources("METEO=W28\nMETEO=MON\n");  // "MON" is chosen at once, W28 after
    EXPECT_EQ(stations.sourceChoice.checkedSource(), SourceKind::W28);
    EXPECT_FALSE(stations.ws23Source.poller().enabled());
}

TEST_F(SourceConfigurationTest, UnknownOrAbsentSourceLeavesNoSource) {
    loadSources("METEO=w23\nMETEO=\n");
    EXPECT_EQ(stations.sourceChoice.checkedSource(), SourceKind::None);
}

TEST_F(SourceConfigurationTest, MissingDataFileStillChoosesTheSourceAndIsKept) {
    const std::string file = (dir.path() / "2026-03.wlk").string();
    loadSources("METEO=PRO2\nPRO2_DAT=" + file + "\n");
    EXPECT_EQ(stations.sourceChoice.checkedSource(), SourceKind::Pro2);
    EXPECT_EQ(stations.pro2Source.poller().errorLine(), "Error de archivo");
    EXPECT_EQ(stations.pro2Source.inputLine(), file);
}

TEST_F(SourceConfigurationTest, SpokenItemsFollowTheirYFlags) {
    loadSources("W23_TEMPINT=Y\nW23_HUMIDI=Y\nW23_PLUIE=y\nW28_TRES=Y\nPRO2_DIRVENT=Y\nPRO2_VITRAFA=N\n");
    const Ws23Source& w23 = stations.ws23Source;
    EXPECT_TRUE(w23.boxes().insideTemperatureBox.checked);
    EXPECT_TRUE(w23.boxes().humidityBox.checked);
    EXPECT_FALSE(w23.boxes().rainBox.checked);
    EXPECT_FALSE(w23.boxes().outsideTemperatureBox.checked);
    EXPECT_TRUE(stations.ws28Source.boxes().feltTemperatureBox.checked);
    EXPECT_TRUE(stations.pro2Source.boxes().directionBox.checked);
    EXPECT_FALSE(stations.pro2Source.boxes().gustBox.checked);
}

TEST_F(SourceConfigurationTest, PeriodsOffsetsThresholdsAndChoices) {
    loadSources(
        "W23_METPERI=15\nW28_METPERI=99\nPRO2_METPERI=x\nW23_POFFSET=-4\nW28_POFFSET=2.5\nW23_SEUILTEN=7\n"
        "PRO2_SEUILTEN=q\nW28_PABS=N\nPRO2_NEW=Y\n");
    EXPECT_EQ(stations.ws23Source.poller().minutes().value(), 15);
    EXPECT_EQ(stations.ws23Source.poller().interval(), 60'000);  // until "Actualizar"
    EXPECT_EQ(stations.ws28Source.poller().minutes().value(), 60);
    EXPECT_EQ(stations.pro2Source.poller().minutes().value(), 1);
    EXPECT_EQ(stations.ws23Source.pressureCorrection().value(), -4);
    EXPECT_EQ(stations.ws28Source.pressureCorrection().value(), 0);
    EXPECT_DOUBLE_EQ(stations.context.TendencyThreshold, 0.7);
    EXPECT_TRUE(stations.ws28Source.relativePressure());
    EXPECT_FALSE(stations.ws28Source.poller().enabled());  // chosen, not polled
    EXPECT_TRUE(stations.pro2Source.currentMonthFileBox().checked);

    loadSources("PRO2_SEUILTEN=3\nW28_PABS=Y\nPRO2_NEW=N\n");
    EXPECT_DOUBLE_EQ(stations.context.TendencyThreshold, 0.3);
    EXPECT_TRUE(stations.ws28Source.absolutePressure());
    EXPECT_FALSE(stations.pro2Source.currentMonthFileBox().checked);
}

TEST_F(SourceConfigurationTest, SourceWindowGeometry) {
    loadSources("METEO_TOP=12\nMETEO_LEFT=-3\nMETEO_WIDTH=x\nMETEO_HEIGHT=300\n");
    const WindowGeometry& g = stations.context.sourceWindowPlace;
    EXPECT_EQ(g.top, 12);
    EXPECT_EQ(g.left, -3);
    EXPECT_EQ(g.width, 287);
    EXPECT_EQ(g.height, 300);
}

// "METCOMM=" holds the port's number, or a device path as "COM=" may.
TEST_F(SourceConfigurationTest, TheWeatherMonitorPortIsReadAndWrittenBack) {
    const struct {
        const char* value;
        const char* port;
        const char* saved;
        bool ignored;
    } cases[] = {
        {.value = "3", .port = "COM3", .saved = "3", .ignored = false},
        {.value = "/dev/ttyUSB1", .port = "/dev/ttyUSB1", .saved = "/dev/ttyUSB1", .ignored = false},
        {.value = "0", .port = "", .saved = "0", .ignored = false},
        {.value = "-2", .port = "", .saved = "0", .ignored = true},
        {.value = "COM3", .port = "COM3", .saved = "3", .ignored = false},
        {.value = "x", .port = "", .saved = "0", .ignored = true},
        {.value = "", .port = "", .saved = "0", .ignored = true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        SourceModels fresh{loop, units};
        ConfigTargets targets{bulletin, lines, units, port, &fresh};
        const LoadOutcome loaded = loadConfiguration(std::string("METCOMM=") + c.value + "\n", targets);
        EXPECT_EQ(fresh.monitorSource.port(), c.port);
        EXPECT_EQ(loaded.ignored.size(), c.ignored ? 1u : 0u);
        const std::string text = configurationText(targets);
        EXPECT_NE(text.find(std::string("\r\nMETCOMM=") + c.saved + "\r\n"), std::string::npos) << text;
    }
}

TEST_F(SourceConfigurationTest, TheRememberedSourceWaitsForItsOwnStep) {
    ConfigTargets targets{bulletin, lines, units, port, &stations};
    const LoadOutcome loaded = loadConfiguration("METEO=PRO2\r\nMETEO=W23\r\n", targets);
    EXPECT_EQ(loaded.remembered, SourceKind::W23);
    EXPECT_EQ(stations.sourceChoice.checkedSource(), SourceKind::None);
    applyRememberedSource(loaded.remembered, targets);
    EXPECT_EQ(stations.sourceChoice.checkedSource(), SourceKind::W23);
}

TEST_F(SourceConfigurationTest, EachSourceTakesItsSettings) {
    ConfigTargets targets{bulletin, lines, units, port, &stations};
    const LoadOutcome loaded = loadConfiguration(
        "[SKYCRIER V2.2.2]\nMETCOMM=3\nLOG=Y\nAPRS_KM=Y\nAPRS_DGF=\nAPRS_INC=N\nAPRS_TU=1\nAPRS_TU=2\n"
        "APRS_DAT=nowhere.txt\nAPRS_PW=pw\nMETAR_DAT=https://m/?id=LEMD\nMETAR_FAV3=LEBL\nAPRS_VITVENT=Y\n",
        targets);
    EXPECT_EQ(stations.monitorSource.port(), "COM3");
    EXPECT_EQ(stations.monitorSource.portButtonText(), "COM=3");
    EXPECT_TRUE(stations.monitorSource.hourlyLogBox().checked);
    const AprsSource& aprs = stations.aprsSource;
    EXPECT_EQ(aprs.inputUnits().wind, AprsWindUnit::Kmh);
    EXPECT_FALSE(aprs.inputUnits().fahrenheit);
    EXPECT_FALSE(aprs.inputUnits().hundredthsOfInch);
    EXPECT_EQ(aprs.timeZoneChoice(), 1);
    // A file not there is kept as configured, shown with its error.
    EXPECT_EQ(aprs.inputLine(), "nowhere.txt");
    EXPECT_EQ(aprs.poller().errorLine(), "Error de archivo #6");
    EXPECT_EQ(aprs.loginPassword(), "pw");
    EXPECT_EQ(stations.metarSource.inputLine(), "https://m/?id=LEMD");
    EXPECT_EQ(stations.metarSource.favourites().entries()[2], "LEBL");
    EXPECT_TRUE(stations.aprsSource.boxes().windBox.checked);
    ASSERT_EQ(loaded.ignored.size(), 2u);
    EXPECT_EQ(loaded.ignored[0].number, 8u);
    EXPECT_EQ(loaded.ignored[0].reason, "out of range -1..1: APRS_TU=2");
    EXPECT_EQ(loaded.ignored[1].number, 9u);
}

TEST_F(SourceConfigurationTest, InternetSourcesPollEveryTenMinutesUnlessAPeriodIsStored) {
    ConfigTargets targets{bulletin, lines, units, port, &stations};
    InternetSource* const sources[] = {&stations.metarSource, &stations.aprsSource};
    for (InternetSource* source : sources) {
        EXPECT_EQ(source->poller().minutes().value(), 10);
        // The first poll already waits the period shown, without "Actualizar".
        source->poll();
        EXPECT_EQ(source->poller().interval(), 600'000);
    }
    EXPECT_NE(configurationText(targets).find("METAR_METPERI=10\r\n"), std::string::npos);

    loadSources("METAR_METPERI=1\nAPRS_METPERI=30\n");
    EXPECT_EQ(stations.metarSource.poller().minutes().value(), 1);
    EXPECT_EQ(stations.aprsSource.poller().minutes().value(), 30);
}

TEST_F(SourceConfigurationTest, TheMetarProviderIsKeptAsWrittenAndSavedLastWhenNotTheDefault) {
    ConfigTargets targets{bulletin, lines, units, port, &stations};
    const std::string older = configurationText(targets);
    EXPECT_EQ(older.find("METAR_PROVIDER="), std::string::npos);
    MetarSource& metar = stations.metarSource;
    EXPECT_EQ(metar.webAddressOf("eddf //Frankfurt"),
              "https://tgftp.nws.noaa.gov/data/observations/metar/stations/EDDF.TXT");

    const struct {
        const char* line;
        const char* fetched;  // what "LEMD" fetches then
        bool reported;
    } cases[] = {
        {"METAR_PROVIDER=http://127.0.0.1:8/m?ids={ICAO}&raw=1", "http://127.0.0.1:8/m?ids=LEMD&raw=1", false},
        {"METAR_PROVIDER=http://127.0.0.1:8/metar.txt",
         "https://tgftp.nws.noaa.gov/data/observations/metar/stations/LEMD.TXT", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const LoadOutcome loaded = loadConfiguration(std::string(c.line) + "\n", targets);
        EXPECT_EQ(metar.webAddressOf("LEMD"), c.fetched);
        ASSERT_EQ(loaded.ignored.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_NE(loaded.ignored[0].reason.find("{ICAO} where the airport code goes"), std::string::npos);
        }
        EXPECT_TRUE(configurationText(targets).ends_with("\r\n" + std::string(c.line) + "\r\n"));
    }
    // Not codes: a longer word, a leading digit, and a file of that name.
    dir.write("LEBL", "LEBL 101120Z 27010KT 9999 FEW030 12/05 Q1013\n");
    stations.context.resolvePath = [this](const std::string& name) { return (dir.path() / name).string(); };
    for (const char* input : {"EDDFX", "1DDF", "LEBL"}) EXPECT_EQ(metar.webAddressOf(input), "") << input;
}

TEST_F(SourceConfigurationTest, UnitLinesRefreshTheSelectedSource) {
    loadSources("METEO=W23\nW23_DAT=" + history() + "\n");
    loadSources("UNITVK=N\n");
    EXPECT_EQ(stations.ws23Source.boxes().windBox.caption, "Viento (mph) = 0");
    EXPECT_FALSE(stations.unitsChoice.isMetric(Quantity::Wind));
}

}  // namespace
}  // namespace skycrier
