// skycrier-cli check as a user runs it before starting the service: the port
// a pseudo-terminal that the modem-line shim turns into a serial port, ALSA's
// default output a file, and one item of a good station broken at a time.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/check_command.h"
#include "cli/usage.h"
#include "support/cli_process.h"
#include "support/command_run.h"
#include "support/rigctld.h"
#include "support/wave_bytes.h"

namespace skycrier::test {
namespace {

const char* const kItems[] = {"configuration", "port", "sound output", "files", "weather", "schedule"};

class CheckCommandTest : public ::testing::Test {
protected:
    CheckCommandTest() {
        cli.dir.write("head.wav", clipOfBytes(480));
        cli.dir.write("report.txt", "EDDF 101120Z 27010KT 9999 FEW030 12/05 Q1013\r\n");
        cli.dir.write("notes.txt", "not a report\r\n");
    }

    // A station that passes every item, changed by the lines after it (a later line wins).
    CliOutcome check(const std::string& changes, bool key = false) {
        cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + cli.port() +
                                          "\r\nPERIOD=3\r\nENTETE=Y\r\nFICHIER_ENTETE=head.wav\r\nMETEO=METAR\r\n"
                                          "METAR_DAT=report.txt\r\nMETAR_TEMPEXT=Y\r\n" + changes);
        std::vector<std::string> args = {"check", "--folder", cli.dir.path().string()};
        if (key) args.push_back("--key");
        return cli.finish(cli.start(args));
    }

    // Each item's line in order; the one named says what is wrong, the others are ok.
    static void expectLines(const CliOutcome& r, const std::string& broken = {}, const std::string& told = {}) {
        std::istringstream out(r.out);
        for (const std::string item : kItems) {
            std::string line;
            std::getline(out, line);
            EXPECT_TRUE(line.starts_with(item == broken ? told : item + ": ok")) << line;
        }
    }

    CliProcess cli;
};

TEST_F(CheckCommandTest, AGoodStationIsOkThroughoutAndIsKeyedOnlyWhenAsked) {
    for (const bool key : {false, true}) {
        SCOPED_TRACE(key ? "--key" : "");
        const CliOutcome r = check("", key);
        EXPECT_EQ(r.code, 0) << r.out << r.err;
        expectLines(r);
        EXPECT_EQ(r.lines.dtrWasRaised, key);
        EXPECT_FALSE(r.lines.dtr);
        EXPECT_FALSE(r.lines.rts);
    }
}

// Keyed through Hamlib, the check keys the rig for a second, read back by
// rigctl as the user would, and leaves it unkeyed; without --key it only asks
// the rig to unkey, and an unreachable rig is named with what to do.
TEST_F(CheckCommandTest, AHamlibRigIsKeyedForASecondAndLeftUnkeyed) {
    Rigctld rig(cli.dir.path());
    const std::string keying = "PTT=HAMLIB\r\nHAMLIB_MODEL=2\r\nHAMLIB_PORT=" + rig.address() + "\r\n";
    cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=0\r\nPERIOD=3\r\n" + keying);
    const pid_t pid = cli.start({"check", "--folder", cli.dir.path().string(), "--key"});
    EXPECT_TRUE(waitUntil([&rig] { return rig.ptt() == "1"; })) << rig.ptt();
    const CliOutcome keyed = cli.finish(pid);
    EXPECT_EQ(rig.ptt(), "0");
    EXPECT_NE(keyed.out.find("\nport: ok (none; the transmitter is keyed by PTT=HAMLIB)\nkeying: ok (Hamlib rig model 2 on " +
                             rig.address() + " keyed for one second)\n"),
              std::string::npos)
        << keyed.out << keyed.err;

    rig.stop();
    const CliOutcome absent = check("COM=0\r\n" + keying);
    EXPECT_EQ(absent.code, 1);
    EXPECT_NE(absent.out.find("\nkeying: Hamlib rig model 2 on " + rig.address()), std::string::npos) << absent.out;
    EXPECT_NE(absent.out.find("; check the device and its settings"), std::string::npos) << absent.out;
}

TEST_F(CheckCommandTest, EachBrokenItemIsNamedWithWhatToDo) {
    const std::string folder = cli.dir.path().string();
    const struct {
        const char* item;
        std::string changes;
        std::string told;
    } cases[] = {
        {"configuration", "FOO=1\r\n",
         "configuration: " + folder + "/skycrier.ini has lines the program ignores or changes: line 9 (unknown key: "
         "FOO=1); correct or remove them"},
        {"port", "COM=/dev/ttySKYCRIER-missing\r\n",
         "port: COM=/dev/ttySKYCRIER-missing does not open (/dev/ttySKYCRIER-missing: No such file or directory); "
         "plug the adapter in"},
        {"sound output", "OSOUNDNAME=nosuch\r\n", "sound output: \"nosuch\" does not open ("},
        {"files", "FICHIER_ENTETE=gone.wav\r\n",
         "files: ENTETE=Y plays FICHIER_ENTETE=gone.wav, " + folder +
             "/gone.wav: No such file or directory; every bulletin would end there"},
        {"weather", "METAR_DAT=notes.txt\r\n",
         "weather: the reading of METAR gives none of the values ticked for speaking, so no weather is spoken; "
         "check METAR_DAT="},
        {"schedule", "PERIOD=0\r\n",
         "schedule: the period is off (PERIOD=0), so no bulletin comes by itself; set PERIOD= from 1 to 6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const CliOutcome r = check(c.changes);
        EXPECT_EQ(r.code, 1) << r.err;
        expectLines(r, c.item, c.told);
    }
}

TEST(CheckCommandOptions, HelpAndMistakesShowTheUsage) {
    const auto help = runCommand(cli::runCheckCommand, {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.starts_with(cli::kCheckUsage)) << help.out;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"}, {"--ini"}, {"--folder"}})
        expectRefused(runCommand(cli::runCheckCommand, args), cli::kCheckUsage, true);
}

}  // namespace
}  // namespace skycrier::test
