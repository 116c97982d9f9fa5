// skycrier-cli run as a service manager runs it: it announces when CTS rises
// on a pseudo-terminal that the modem-line shim turns into a serial port, and
// however it is stopped during a bulletin the transmitter ends unkeyed and the
// configuration is saved whole.

#include <gtest/gtest.h>

#include <csignal>

#include "cli/run_command.h"
#include "cli/usage.h"
#include "platform/peer_mailbox.h"
#include "support/cli_process.h"
#include "support/command_run.h"
#include "platform/system_clock.h"
#include "support/http_test_server.h"
#include "support/station_files.h"

namespace skycrier::test {
namespace {

class RunCommandTest : public ::testing::Test {
protected:
    // Starts the service on a configuration with the pseudo-terminal as its port.
    pid_t start(const std::string& config) {
        // The program leaves its configuration read-only.
        std::filesystem::remove(ini());
        cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + cli.port() + "\r\n" + config);
        cli.dir.write("inputs", "");
        // A mailbox of its own: the tests share no channel with the machine's programs.
        return cli.start({"run", "--folder", cli.dir.path().string(), "--mailbox", mailbox},
                         {"SKYCRIER_MODEM_INPUTS=" + (cli.dir.path() / "inputs").string()});
    }
    void raise(const std::string& lines) { cli.dir.write("inputs", lines); }
    std::filesystem::path ini() const { return cli.dir.path() / "skycrier.ini"; }

    ~RunCommandTest() override { PeerMailbox::unlink(MailboxNames::named(mailbox)); }

    CliProcess cli;
    std::string mailbox = "skycrier-test-run-" + std::to_string(::getpid());
};

TEST_F(RunCommandTest, AStopDuringABulletinUnkeysAndSavesTheConfiguration) {
    const std::pair<int, const char*> signals[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};
    for (const auto& [signal, name] : signals) {
        SCOPED_TRACE(name);
        // Fifteen seconds of silence after keying: the stop comes while the transmitter is keyed.
        const pid_t pid = start("DATE=N\r\nPAUSE=15\r\n");
        ASSERT_GT(pid, 0);
        raise("CTS");
        const bool keyed = waitUntil([this] { return cli.lines().dtr; });
        ::kill(pid, signal);
        const CliOutcome r = cli.finish(pid);
        EXPECT_TRUE(keyed) << r.err;
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_FALSE(r.lines.dtr);
        EXPECT_FALSE(r.lines.rts);
        EXPECT_NE(r.err.find(" CTS abort Err: SkyCrier closing\n"), std::string::npos) << r.err;
        // Saved whole, the port included, before the port was released.
        const std::string saved = fileText(ini());
        EXPECT_EQ(saved.rfind("[SKYCRIER V2.2.2]\r\n", 0), 0u) << saved;
        EXPECT_NE(saved.find("\r\nPAUSE=15\r\n"), std::string::npos) << saved;
        EXPECT_NE(saved.find("\r\nCOM=" + cli.port() + "\r\n"), std::string::npos) << saved;
        EXPECT_EQ(saved.substr(saved.size() - 2), "\r\n");
    }
}

TEST_F(RunCommandTest, EachBulletinIsOneLineWithWhatStartedItAndHowItEnded) {
    const pid_t pid = start("DATE=N\r\n");
    ASSERT_GT(pid, 0);
    // A high carrier holds a rising DSR back; DSR must then fall and rise again.
    raise("DCD DSR");
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    EXPECT_FALSE(cli.lines().dtrWasRaised);
    raise("");
    // Time for a tick or two to see DSR low.
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));
    raise("DSR");
    ASSERT_TRUE(waitUntil([this] { return cli.errSoFar().find(" DSR done\n") != std::string::npos; }));
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    EXPECT_EQ(r.code, 0);
    // After the line that names the folder: "YYYY-MM-DD HH:MM:SS DSR done", and nothing else.
    const std::string bulletins = r.err.substr(r.err.find('\n') + 1);
    ASSERT_EQ(bulletins.size(), 29u) << r.err;
    EXPECT_EQ(bulletins.substr(19), " DSR done\n");
    EXPECT_TRUE(r.lines.dtrWasRaised);
}

TEST_F(RunCommandTest, StartingWithTheVersionCheckTellsOfANewerReleaseOnTheConfiguredHost) {
    HttpTestServer site({{"/index_fichiers/versions.txt", httpAnswer(200, "skycrier=9.0.0\r\n")}});
    const std::string host = site.url("");
    const pid_t pid = start("VERSTART=1\r\nVERSION_URL=" + host + "\r\n");
    ASSERT_GT(pid, 0);
    const std::string message = "Hay una versión más reciente de SKYCRIER disponible en " + host + "/";
    const bool told = waitUntil([&] { return cli.errSoFar().find(message) != std::string::npos; });
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    EXPECT_TRUE(told) << r.err;
    EXPECT_FALSE(std::filesystem::exists(cli.dir.path() / "versions.txt"));
    EXPECT_NE(fileText(ini()).find("\r\nVERSTART=1\r\nVERSION_URL=" + host + "\r\n"), std::string::npos);
}

// A service started at boot before its USB adapter and its share: it runs,
// says what is missing, polls the station file once it is there, and stops
// with both still named in its configuration.
TEST(RunCommandLateDevices, AnAbsentPortAndStationFileAreKeptAndTheFileIsPolledWhenItComes) {
    CliProcess cli;
    const std::string mailbox = "skycrier-test-late-" + std::to_string(::getpid());
    const std::string absentPort = "/dev/ttySKYCRIER-late";
    cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + absentPort +
                                      "\r\nMETEO=W23\r\nW23_TEMPEXT=Y\r\nW23_METPERI=1\r\nW23_DAT=late.dat\r\n");
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = cli.start({"run", "--folder", cli.dir.path().string(), "--mailbox", mailbox});
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(waitUntil([&] { return cli.errSoFar().find("W23_DAT=late.dat: file ") != std::string::npos; }));
    cli.dir.write("late.dat", ws23File(ws23Series(3, systemLocalNow(), 10)));
    // The source polls a minute after the start-up's poll.
    std::this_thread::sleep_until(started + std::chrono::seconds(55));
    EXPECT_TRUE(waitUntil([&] { return cli.errSoFar().find("W23_DAT=late.dat: file found again") != std::string::npos; }));
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    PeerMailbox::unlink(MailboxNames::named(mailbox));
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("Fehler: COM-Port (" + absentPort + ": No such file or directory): kept as configured"),
              std::string::npos)
        << r.err;
    const std::string saved = fileText(cli.dir.path() / "skycrier.ini");
    EXPECT_NE(saved.find("\r\nCOM=" + absentPort + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nW23_DAT=late.dat\r\n"), std::string::npos) << saved;
}

TEST(RunCommandOptions, HelpAndMistakesShowTheUsage) {
    const auto help = runCommand(cli::runRunCommand, {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out, cli::kRunUsage);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"}, {"--ini"}, {"--mailbox", "a/b"}})
        expectRefused(runCommand(cli::runRunCommand, args), cli::kRunUsage, true);
}

}  // namespace
}  // namespace skycrier::test
