#include "cli/config_command.h"
#include "cli/usage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/date_time.h"
#include "support/command_run.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier::cli {
namespace {

const std::string kHeader = "[SKYCRIER V2.2.2]\r\n";

// Lines joined with CR LF, each ended by one.
std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The lines of a saved file that start with the key.
std::vector<std::string> keyLines(const std::string& file, const std::string& key) {
    std::vector<std::string> found;
    for (std::size_t start = 0, end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        if (file.compare(start, key.size(), key) == 0) found.push_back(file.substr(start, end - start));
    return found;
}

class ConfigCommandTest : public ::testing::Test {
protected:
    ConfigCommandTest() {
        const double start = encodeDateTime(2026, 3, 10, 11, 40);
        dir.write("history.dat", test::ws23File(test::ws23Series(3, start, 25, test::Ws23Record{})));
        std::filesystem::create_directory(dir.path() / "w28");
        dir.write("w28/history.dat", "");
        dir.write("2026-03.wlk", "");
        dir.write("metar.txt", "");
    }
    test::CommandResult config(const std::string& text) {
        return test::runCommand(runConfigCommand, {"--ini", dir.write("in.ini", text), "--folder", dir.path().string(),
                                                   "--at", "2026-03-10 12:00:00"});
    }
    test::TempDir dir;
};

// Every key, as a save writes it: the file comes back byte for byte.
const std::vector<std::string> kComplete = {
    "[SKYCRIER V2.2.2]", "RECORD=Y", "RECORDER=/opt/rec\xe9/rec", "ROSE=16", "OLD=2", "FICHIER_ENTETE=id.wav",
    "FICHIER_BRELL=chime.wav", "FICHIER_FIN=/srv/end=1.wav", "VOCABULARY=voices", "PERIOD=6", "START_RANGE=7",
    "END_RANGE=22", "ENTETE=Y", "PAUSE=3", "FINAL=Y", "HELLO=Y", "DATE=N", "START=Y", "REDUCE=Y", "BALANCE=-20",
    "VOLUME=3", "MAXVOLUME=80", "UNITTC=N", "UNITPM=N", "UNITVK=N", "UNITRM=N", "METEO=W23",
    // Weather Monitor II
    "TEMPINT=Y", "TEMPEXT=Y", "PRESATM=Y", "PRETEND=Y", "VITVENT=Y", "VITRAFA=Y", "DIRVENT=Y", "LOG=Y", "METPERI=5",
    "METCOMM=2",
    // WS-23xx
    "W23_TEMPINT=Y", "W23_TEMPEXT=Y", "W23_PRESATM=Y", "W23_PRETEND=Y", "W23_VITVENT=Y", "W23_VITRAFA=Y",
    "W23_DIRVENT=Y", "W23_TRES=Y", "W23_PLUIE=Y", "W23_HUMIDI=Y", "W23_METPERI=10", "W23_DAT=history.dat",
    "W23_POFFSET=-3", "W23_SEUILTEN=6",
    // WS-28xx
    "W28_TEMPINT=Y", "W28_PRESATM=Y", "W28_VITRAFA=Y", "W28_HUMIDI=Y", "W28_METPERI=15", "W28_DAT=w28/history.dat",
    "W28_PABS=N", "W28_POFFSET=2",
    // APRS
    "APRS_TEMPEXT=Y", "APRS_PRESATM=Y", "APRS_VITVENT=Y", "APRS_VITRAFA=Y", "APRS_DIRVENT=Y", "APRS_TRES=Y",
    "APRS_PLUIE=Y", "APRS_HUMIDI=Y", "APRS_KNOT=Y", "APRS_DGF=", "APRS_INC=", "APRS_METPERI=20",
    "APRS_DAT=https://aprs.example/q?call=EA1ABC&x=1", "APRS_LIST=EA1ABC", "APRS_LIST=EA2XYZ", "APRS_FAV1=EA1ABC",
    "APRS_FAV10=EA9Z", "APRS_POFFSET=1", "APRS_TU=1", "APRS_ID=EA1ABC", "APRS_PW=12345",
    // METAR
    "METAR_TEMPEXT=Y", "METAR_PLUIE=Y", "METAR_METPERI=30", "METAR_DAT=metar.txt", "METAR_LIST=LEMD",
    "METAR_FAV2=LEBL", "METAR_POFFSET=-1", "METAR_TU=0",
    // Vantage Pro2
    "PRO2_TEMPINT=Y", "PRO2_DIRVENT=Y", "PRO2_METPERI=60", "PRO2_DAT=2026-03.wlk", "PRO2_POFFSET=4",
    "PRO2_SEUILTEN=9", "PRO2_NEW=N",
    // Windows, sound, port
    "TOP=120", "LEFT=-8", "METEO_TOP=33", "METEO_LEFT=44", "METEO_WIDTH=300", "METEO_HEIGHT=280", "FORMMETEO=N",
    "OSOUND=2", "VERSTART=1", "VERSION_URL=https://mirror.example/sky", "COM=3", "DTR=0", "RTS=0", "DSR=0", "CTS=0", "DCD=0",
    // After every key older programs write.
    "OSOUNDNAME=plughw:CARD=Device,DEV=0"};

TEST_F(ConfigCommandTest, ACompleteFileComesBackByteForByte) {
    const std::string file = crlf(kComplete);
    dir.write("id.wav", "");
    dir.write("chime.wav", "");
    const auto r = config(file);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "skycrier-cli config: FINAL=Y plays FICHIER_FIN=/srv/end=1.wav, which is not there "
                     "(/srv/end=1.wav): every bulletin would end there; record it, choose another file, or switch "
                     "it off\n");
    EXPECT_EQ(r.out, file);
}

TEST_F(ConfigCommandTest, AHeaderAloneSavesTheDefaults) {
    const auto r = config(kHeader);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, crlf({"[SKYCRIER V2.2.2]", "RECORDER=", "FICHIER_BRELL=kuckoo.wav", "BALANCE=0", "VOLUME=5",
                           "MAXVOLUME=70", "UNITTC=Y", "UNITPM=Y", "UNITVK=Y", "UNITRM=Y", "METPERI=1", "METCOMM=0",
                           "W23_METPERI=1", "W23_POFFSET=0", "W23_SEUILTEN=4", "W28_METPERI=1", "W28_PABS=Y",
                           "W28_POFFSET=0", "APRS_DGF=Y", "APRS_INC=Y", "APRS_METPERI=10", "APRS_POFFSET=0",
                           "APRS_TU=1", "METAR_METPERI=10", "METAR_POFFSET=0", "METAR_TU=-1", "PRO2_METPERI=1",
                           "PRO2_POFFSET=0", "PRO2_SEUILTEN=4", "TOP=101", "LEFT=4", "METEO_TOP=0", "METEO_LEFT=0",
                           "METEO_WIDTH=287", "METEO_HEIGHT=267", "FORMMETEO=N", "OSOUND=-1", "VERSTART=0"}));
}

TEST_F(ConfigCommandTest, LinesAsTheRulesReadThem) {
    std::vector<std::string> eleven;
    for (int i = 1; i <= 11; ++i) eleven.push_back("APRS_LIST=K" + std::to_string(i));
    const std::vector<std::string> firstTen(eleven.begin(), eleven.end() - 1);
    struct Case {
        const char* name;
        std::vector<std::string> lines;  // after the header
        std::string key;
        std::vector<std::string> saved;  // the lines of that key a save writes
        std::string err;
    };
    const Case cases[] = {
        {"later line wins", {"PAUSE=3", "PAUSE=5"}, "PAUSE=", {"PAUSE=5"}, ""},
        {"list lines accumulate", {"METAR_LIST=LEMD", "PAUSE=1", "METAR_LIST=LEBL"}, "METAR_LIST=",
         {"METAR_LIST=LEMD", "METAR_LIST=LEBL"}, ""},
        {"an eleventh list entry is dropped", eleven, "APRS_LIST=", firstTen,
         "line 12: the list holds 10 entries already: APRS_LIST=K11\n"},
        {"favourites 1..10 only", {"APRS_FAV0=A", "APRS_FAV11=B", "APRS_FAV=C", "APRS_FAV10=D", "METAR_FAVx=E"},
         "APRS_FAV", {"APRS_FAV10=D"},
         "line 2: favourite number outside 1..10: APRS_FAV0=A\n"
         "line 3: favourite number outside 1..10: APRS_FAV11=B\n"
         "line 4: a favourite without its number: APRS_FAV=C\n"
         "line 6: favourite number not a whole number: METAR_FAVx=E\n"},
        {"a value holding \"=\"", {"APRS_DAT=http://h/q?a=b&c=="}, "APRS_DAT=", {"APRS_DAT=http://h/q?a=b&c=="}, ""},
        {"MON then W23 chooses W23", {"METEO=MON", "METEO=W23"}, "METEO=", {"METEO=W23"}, ""},
        {"an unknown source changes nothing and is told", {"METEO=w23"}, "METEO=", {},
         "line 2: unknown source \"w23\": no weather is spoken; write one of MON, W23, W28, APRS, PRO2, METAR: "
         "METEO=w23\n"},
        {"malformed pause ignored", {"PAUSE=4", "PAUSE=x", "PAUSE=2.5"}, "PAUSE=", {"PAUSE=4"},
         "line 3: not a whole number: PAUSE=x\nline 4: not a whole number: PAUSE=2.5\n"},
        {"a pause beyond its spin edit", {"PAUSE=99"}, "PAUSE=", {"PAUSE=15"},
         "line 2: out of range 0..15, 15 taken: PAUSE=99\n"},
        {"an hour outside 0..24", {"START_RANGE=30", "END_RANGE=-1"}, "START_RANGE=", {},
         "line 2: out of range 0..24: START_RANGE=30\nline 3: out of range 0..24: END_RANGE=-1\n"},
        {"a period position outside 0..6", {"PERIOD=7"}, "PERIOD=", {}, "line 2: out of range 0..6: PERIOD=7\n"},
        {"a malformed offset", {"W23_POFFSET= 2"}, "W23_POFFSET=", {"W23_POFFSET=0"},
         "line 2: not a whole number: W23_POFFSET= 2\n"},
        {"flags take only their literal, silently", {"ENTETE=y", "DATE=", "HELLO=N"}, "DATE=", {}, ""},
        {"a missing data file is kept", {"W28_DAT=gone.dat"}, "W28_DAT=", {"W28_DAT=gone.dat"},
         "line 2: file not found (DIR/gone.dat), kept as configured: W28_DAT=gone.dat\n"},
        {"a port named as on Windows", {"COM=COM3"}, "COM=", {"COM=3"}, ""},
        {"unknown keys and lines without a setting; blank lines and notes pass silently",
         {"pause=3", "TRES=Y", "no setting", "", "; a note", "# a note", "=3"}, "TRES=", {},
         "line 2: unknown key: pause=3\nline 3: unknown key: TRES=Y\nline 4: no \"=\": no setting\n"
         "line 8: starts with \"=\": =3\n"},
        {"a malformed sound device still chooses a device", {"OSOUND=2", "OSOUND=x"}, "OSOUND=", {"OSOUND=2"},
         "line 3: not a whole number, the device stays 2: OSOUND=x\n"},
        {"an output's name chooses it, the number staying for older programs", {"OSOUND=-1", "OSOUNDNAME=pulse"},
         "OSOUND", {"OSOUND=-1", "OSOUNDNAME=pulse"}, ""},
        {"an empty name leaves the number", {"OSOUND=2", "OSOUNDNAME="}, "OSOUND", {"OSOUND=2"}, ""},
        {"the port as chosen", {"COM=/dev/ttyUSB0"}, "COM=", {"COM=/dev/ttyUSB0"}, ""},
        {"no port", {"COM=3", "COM=0"}, "COM=", {"COM=0"}, ""},
        {"the version host is a web address", {"VERSION_URL=https://a.example", "VERSION_URL=ftp://b"},
         "VERSION_URL=", {"VERSION_URL=https://a.example"},
         "line 3: not a web address (http:// or https://): VERSION_URL=ftp://b\n"},
        {"no version host is the maker's", {"VERSION_URL=https://a.example", "VERSION_URL="}, "VERSION_URL=", {}, ""},
    };
    for (const Case& c : cases) {
        const auto r = config(kHeader + crlf(c.lines));
        EXPECT_EQ(r.code, 0) << c.name;
        EXPECT_EQ(keyLines(r.out, c.key), c.saved) << c.name;
        std::string err = c.err;
        for (std::size_t at; (at = err.find("DIR")) != std::string::npos;) err.replace(at, 3, dir.path().string());
        std::string expected;
        for (std::size_t start = 0, end; (end = err.find('\n', start)) != std::string::npos; start = end + 1)
            expected += "skycrier-cli config: " + err.substr(start, end + 1 - start);
        EXPECT_EQ(r.err, expected) << c.name;
    }
}

TEST_F(ConfigCommandTest, EveryLineEndReadsAlike) {
    const std::string lines[] = {"PAUSE=3", "APRS_LIST=A", "APRS_LIST=B", "UNITTC=N"};
    std::string cr = "[SKYCRIER V2.2.2]", lf = cr, both = cr;
    for (const std::string& line : lines) {
        cr += "\r" + line;
        lf += "\n" + line;
        both += "\r\n" + line;
    }
    const auto expected = config(both + "\r\n");
    EXPECT_EQ(keyLines(expected.out, "APRS_LIST="), (std::vector<std::string>{"APRS_LIST=A", "APRS_LIST=B"}));
    for (const std::string& text : {cr, lf, both}) {
        const auto r = config(text);
        EXPECT_EQ(r.out, expected.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(ConfigCommandTest, TheSourceWindowStaysShownUnlessHiddenOrReduced) {
    const std::string source = "METEO=W23\r\nW23_DAT=history.dat\r\n";
    EXPECT_EQ(keyLines(config(kHeader + source).out, "FORMMETEO="), std::vector<std::string>{});
    EXPECT_EQ(keyLines(config(kHeader + source + "FORMMETEO=N\r\n").out, "FORMMETEO="),
              std::vector<std::string>{"FORMMETEO=N"});
    // Started reduced, the chosen source runs without its window.
    EXPECT_EQ(keyLines(config(kHeader + source + "REDUCE=Y\r\n").out, "FORMMETEO="),
              std::vector<std::string>{"FORMMETEO=N"});
}

// The examples that ship with the program load whole: their notes pass
// silently and only the station file, which is the user's to provide, is missing.
TEST_F(ConfigCommandTest, TheExampleConfigurationsLoad) {
    const struct {
        const char* file;
        std::string said;
        std::vector<const char*> kept;
    } examples[] = {
        {SKYCRIER_EXAMPLE_INI,
         ": W23_DAT=/home/ham/ws2300/history.dat\n",
         {"\r\nPERIOD=3\r\n", "\r\nSTART_RANGE=7\r\n", "\r\nEND_RANGE=22\r\n", "\r\nMETEO=W23\r\n",
          "\r\nCOM=/dev/ttyUSB0\r\n", "\r\nRTS=0\r\n", "\r\nFICHIER_ENTETE=callsign.wav\r\n"}},
        {SKYCRIER_EXAMPLE_METAR_INI,
         "",
         {"\r\nPERIOD=5\r\n", "\r\nMETEO=METAR\r\n", "\r\nMETAR_METPERI=10\r\n",
          "\r\nMETAR_DAT=EDDF\r\n"}},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.file);
        const auto r = test::runCommand(runConfigCommand, {"--ini", example.file, "--folder", dir.path().string()});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), example.said.empty() ? 0 : 1) << r.err;
        EXPECT_NE(r.err.find(example.said), std::string::npos) << r.err;
        for (const char* line : example.kept) EXPECT_NE(r.out.find(line), std::string::npos) << line;
    }
}

// What would make every bulletin end early, or say no weather, is told by name.
TEST_F(ConfigCommandTest, MissingSoundFilesAndAnUnknownSourceAreTold) {
    dir.write("closing.wav", "");
    const auto r = config(kHeader + "ENTETE=Y\r\nFICHIER_ENTETE=callsign.wav\r\nHELLO=Y\r\n"
                                    "FINAL=Y\r\nFICHIER_FIN=closing.wav\r\nMETEO=metar\r\n");
    EXPECT_NE(r.err.find("config: ENTETE=Y plays FICHIER_ENTETE=callsign.wav, which is not there (" +
                         (dir.path() / "callsign.wav").string() + "): every bulletin would end there"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("HELLO=Y"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("FINAL=Y"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("unknown source \"metar\": no weather is spoken"), std::string::npos) << r.err;
}

TEST_F(ConfigCommandTest, UsageAndRefusals) {
    for (const char* help : {"--help", "-h"}) {
        const auto r = test::runCommand(runConfigCommand, {help});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.starts_with(kConfigUsage)) << r.out;
    }
    const std::string ini = dir.write("ok.ini", kHeader);
    const std::vector<std::vector<std::string>> mistakes = {
        {}, {"--ini"}, {"--ini", ini, "--at", "yesterday"}, {"--ini", ini, "--save"}};
    for (const auto& args : mistakes) test::expectRefused(test::runCommand(runConfigCommand, args), kConfigUsage, true);
    const auto missing = test::runCommand(runConfigCommand, {"--ini", (dir.path() / "none.ini").string()});
    test::expectRefused(missing, kConfigUsage, false);
    EXPECT_NE(missing.err.find("none.ini: No such file or directory"), std::string::npos) << missing.err;
    test::expectRefused(test::runCommand(runConfigCommand, {"--ini", dir.path().string()}), kConfigUsage, false);
}

}  // namespace
}  // namespace skycrier::cli
