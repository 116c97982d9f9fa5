// The one settings table: every key it names is written by a save and read
// back by a load, and a save writes no key the table does not name.

#include "app/settings_table.h"

#include <gtest/gtest.h>

#include <set>

#include "app/announcer.h"
#include "app/config_keys.h"
#include "app/configuration_text.h"
#include "base/text_lines.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

// Every key away from its default (APRS_KM= and APRS_KNOT= exclude each other: KNOT here).
std::string everyKeySet() {
    std::string text = "[SKYCRIER V2.2.2]\r\n";
    for (const SourceBlock& block : kSourceBlocks)
        for (const QuantityFlag& q : kQuantityFlags)
            if (hasQuantityFlag(block.kind, q.field)) text += block.prefix + std::string(q.suffix) + "Y\r\n";
    for (const char* line : {"RECORD=Y",
                             "RECORDER=/opt/rec",
                             "ROSE=16",
                             "OLD=2",
                             "FICHIER_ENTETE=id.wav",
                             "FICHIER_BRELL=chime.wav",
                             "FICHIER_FIN=end.wav",
                             "VOCABULARY=voices",
                             "PERIOD=6",
                             "START_RANGE=7",
                             "END_RANGE=22",
                             "ENTETE=Y",
                             "PAUSE=3",
                             "FINAL=Y",
                             "HELLO=Y",
                             "DATE=N",
                             "START=Y",
                             "REDUCE=Y",
                             "BALANCE=-20",
                             "VOLUME=3",
                             "MAXVOLUME=80",
                             "UNITTC=N",
                             "UNITPM=N",
                             "UNITVK=N",
                             "UNITRM=N",
                             "METEO=W23",
                             "LOG=Y",
                             "METPERI=5",
                             "METCOMM=2",
                             "W23_METPERI=10",
                             "W23_DAT=w23.dat",
                             "W23_POFFSET=-3",
                             "W23_SEUILTEN=6",
                             "W28_METPERI=15",
                             "W28_DAT=w28.dat",
                             "W28_PABS=N",
                             "W28_POFFSET=2",
                             "APRS_KNOT=Y",
                             "APRS_DGF=Y",
                             "APRS_INC=Y",
                             "APRS_METPERI=20",
                             "APRS_DAT=https://aprs.example/q",
                             "APRS_LIST=EA1ABC",
                             "APRS_FAV10=EA9Z",
                             "APRS_POFFSET=1",
                             "APRS_TU=1",
                             "APRS_ID=EA1ABC",
                             "APRS_PW=12345",
                             "METAR_METPERI=30",
                             "METAR_DAT=metar.txt",
                             "METAR_LIST=LEMD",
                             "METAR_FAV2=LEBL",
                             "METAR_POFFSET=-1",
                             "METAR_TU=-1",
                             "PRO2_METPERI=60",
                             "PRO2_DAT=pro2.wlk",
                             "PRO2_POFFSET=4",
                             "PRO2_SEUILTEN=9",
                             "PRO2_NEW=N",
                             "TOP=120",
                             "LEFT=-8",
                             "METEO_TOP=33",
                             "METEO_LEFT=44",
                             "METEO_WIDTH=300",
                             "METEO_HEIGHT=280",
                             "FORMMETEO=N",
                             "OSOUND=2",
                             "VERSTART=1",
                             "VERSION_URL=https://mirror.example/sky",
                             "COM=3",
                             "DTR=0",
                             "RTS=0",
                             "DSR=0",
                             "CTS=0",
                             "DCD=0",
                             "OSOUNDNAME=plughw:CARD=Device,DEV=0",
                             "TX_TIMEOUT=600",
                             "METAR_PROVIDER=https://metar.example/{ICAO}.TXT",
                             "LANGUAGE=es",
                             "PTT=HAMLIB",
                             "HAMLIB_MODEL=1",
                             "HAMLIB_PORT=/dev/ttyUSB1",
                             "HAMLIB_SPEED=9600",
                             "HAMLIB_DCD=Y",
                             "CM108_DEVICE=/dev/hidraw2",
                             "CM108_GPIO=4",
                             "GPIO_CHIP=gpiochip4",
                             "GPIO_LINE=17",
                             "GPIO_ACTIVE_LOW=Y",
                             "GPIO_TRIGGER_LINE=22",
                             "GPIO_BUSY_LINE=23"})
        text += line + std::string("\r\n");
    return text;
}

class SettingsTableTest : public ::testing::Test {
protected:
    SettingsTableTest() {
        for (const char* file : {"w23.dat", "w28.dat", "metar.txt", "pro2.wlk"}) dir.write(file, "");
    }

    // A fresh program loads the text; what it ignored, and what it saves.
    std::pair<std::vector<IgnoredLine>, std::string> loadAndSave(const std::string& text) {
        VirtualLoop loop{encodeDateTime(2026, 3, 10, 12, 0)};
        test::FakeWaveOut sound{loop};
        test::FakeSerialLine line;
        Announcer announcer{{loop, sound, line, dir.path(), {}}};
        ConfigTargets targets = announcer.configTargets();
        LoadOutcome loaded = loadConfiguration(text, targets);
        applyRememberedSource(loaded.remembered, targets);
        hideSourceWindowsIfAsked(targets);
        return {loaded.ignored, configurationText(targets)};
    }

    test::TempDir dir;
};

TEST_F(SettingsTableTest, EveryKeyOfTheTableIsSavedAndLoadsBackAlike) {
    std::set<const Setting*> saved;
    for (const std::string& text : {everyKeySet(), everyKeySet() + "APRS_KM=Y\r\n"}) {
        const auto [ignored, first] = loadAndSave(text);
        for (const IgnoredLine& line : ignored)
            EXPECT_EQ(line.reason.find("unknown key"), std::string::npos) << line.reason;
        const auto [ignoredAgain, second] = loadAndSave(first);
        EXPECT_EQ(second, first);
        EXPECT_TRUE(ignoredAgain.empty());
        const auto lines = splitLines(first);
        for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
            const Setting* setting = findSetting(line->substr(0, line->find('=') + 1));
            EXPECT_NE(setting, nullptr) << *line;
            saved.insert(setting);
        }
    }
    for (const Setting& setting : settingsTable()) EXPECT_TRUE(saved.contains(&setting)) << setting.key;
}

}  // namespace
}  // namespace skycrier
