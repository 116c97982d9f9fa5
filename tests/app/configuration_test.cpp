#include "app/configuration.h"

#include <gtest/gtest.h>

#include "cli/listing_port.h"

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
    cli::ListingPort port;
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

TEST(ConfigInteger, OnlyPlainDecimals) {
    EXPECT_EQ(parseConfigInteger("15"), 15);
    EXPECT_EQ(parseConfigInteger("-3"), -3);
    EXPECT_FALSE(parseConfigInteger(""));
    EXPECT_FALSE(parseConfigInteger(" 3"));
    EXPECT_FALSE(parseConfigInteger("3x"));
    EXPECT_FALSE(parseConfigInteger("99999999999"));
}

TEST_F(ConfigurationTest, HeaderOnlyKeepsEveryDefault) {
    load("[SKYCRIER V2.2.2]\r\n");
    EXPECT_FALSE(bulletin.CheckBoxEntete);
    EXPECT_TRUE(bulletin.CheckBoxDate);
    EXPECT_EQ(bulletin.greetingFile, "kuckoo.wav");
    EXPECT_EQ(bulletin.staleRule, StaleRule::Always);
    EXPECT_FALSE(bulletin.Menu16secteurs);
    EXPECT_TRUE(lines.CheckBoxDTR && lines.CheckBoxRTS && lines.CheckBoxDCD);
    EXPECT_TRUE(units.temperatureMetric());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(ConfigurationTest, FlagsFollowTheirOwnLiterals) {
    load("ENTETE=y\nHELLO=Y\nFINAL=Y\nDATE=\n");
    EXPECT_FALSE(bulletin.CheckBoxEntete);  // only "Y" checks
    EXPECT_TRUE(bulletin.CheckBoxBrell);
    EXPECT_TRUE(bulletin.CheckBoxFin);
    EXPECT_TRUE(bulletin.CheckBoxDate);  // only "N" unchecks
    load("HELLO=yes\nFINAL=N\nDATE=N\nENTETE=Y\n");
    EXPECT_FALSE(bulletin.CheckBoxBrell);
    EXPECT_FALSE(bulletin.CheckBoxFin);
    EXPECT_FALSE(bulletin.CheckBoxDate);
    EXPECT_TRUE(bulletin.CheckBoxEntete);
}

TEST_F(ConfigurationTest, PathsPauseRoseAndAge) {
    load("FICHIER_ENTETE=/srv/id.wav\nFICHIER_BRELL=chime.wav\nFICHIER_FIN=a=b.wav\nPAUSE=7\nROSE=16\nOLD=2\n");
    EXPECT_EQ(bulletin.headerFile, "/srv/id.wav");
    EXPECT_EQ(bulletin.greetingFile, "chime.wav");
    EXPECT_EQ(bulletin.closingFile, "a=b.wav");
    EXPECT_EQ(bulletin.SpinEditPause, 7);
    EXPECT_TRUE(bulletin.Menu16secteurs);
    EXPECT_EQ(bulletin.staleRule, StaleRule::TwoHours);
    load("PAUSE=x\nOLD=4\nROSE=8\n");
    EXPECT_EQ(bulletin.SpinEditPause, 7);  // a malformed pause is ignored
    EXPECT_EQ(bulletin.staleRule, StaleRule::TwoHours);
    EXPECT_TRUE(bulletin.Menu16secteurs);
    load("PAUSE=40\nOLD=1\n");
    EXPECT_EQ(bulletin.SpinEditPause, 15);
    EXPECT_EQ(bulletin.staleRule, StaleRule::OneHour);
}

TEST_F(ConfigurationTest, KeysMatchExactlyAndLaterLinesWin) {
    load("pause=3\nPAUSE =4\nPAUSE=5\nPAUSE=6\n");
    EXPECT_EQ(bulletin.SpinEditPause, 6);
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
    EXPECT_FALSE(lines.CheckBoxDTR);
    EXPECT_TRUE(lines.CheckBoxRTS);
    EXPECT_FALSE(lines.CheckBoxDCD);
    load("COM=/dev/ttyUSB0\n");
    EXPECT_EQ(port.portName(), "/dev/ttyUSB0");
    load("COM=0\n");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.portName(), "No COM");
}

}  // namespace
}  // namespace skycrier
