// skycrier-cli run as a service manager runs it: it announces when CTS rises
// on a pseudo-terminal that the modem-line shim turns into a serial port, and
// however it is stopped during a bulletin the transmitter ends unkeyed and a
// configuration it did not change is left as it is.

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

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

// The socket systemd listens on for a service's notifications.
class NotifySocket {
public:
    explicit NotifySocket(const std::filesystem::path& path) : path_(path.string()) {
        fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    ~NotifySocket() { ::close(fd_); }
    const std::string& path() const { return path_; }
    // Every notification heard so far, one per line.
    const std::string& heard() {
        char buffer[512];
        for (ssize_t n; (n = ::recv(fd_, buffer, sizeof buffer, 0)) > 0;) heard_.append(buffer, n).append("\n");
        return heard_;
    }

private:
    std::string path_;
    int fd_ = -1;
    std::string heard_;
};

class RunCommandTest : public ::testing::Test {
protected:
    // Starts the service on a configuration with the pseudo-terminal as its port.
    pid_t start(const std::string& config, std::vector<std::string> environment = {}) {
        // The program leaves its configuration read-only.
        std::filesystem::remove(ini());
        cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + cli.port() + "\r\n" + config);
        cli.dir.write("inputs", "");
        // A mailbox of its own: the tests share no channel with the machine's programs.
        environment.push_back("SKYCRIER_MODEM_INPUTS=" + (cli.dir.path() / "inputs").string());
        return cli.start({"run", "--folder", cli.dir.path().string(), "--mailbox", mailbox}, environment);
    }
    void raise(const std::string& lines) { cli.dir.write("inputs", lines); }
    std::filesystem::path ini() const { return cli.dir.path() / "skycrier.ini"; }

    ~RunCommandTest() override { PeerMailbox::unlink(MailboxNames::named(mailbox)); }

    CliProcess cli;
    std::string mailbox = "skycrier-test-run-" + std::to_string(::getpid());
};

TEST_F(RunCommandTest, AStopDuringABulletinUnkeysAndLeavesAHandEditedFileAsItIs) {
    const std::pair<int, const char*> signals[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}};
    for (const auto& [signal, name] : signals) {
        SCOPED_TRACE(name);
        // Fifteen seconds of silence after keying: the stop comes while the transmitter is keyed.
        const pid_t pid = start("DATE=N\r\nPAUSE=15\r\n");
        ASSERT_GT(pid, 0);
        raise("CTS");
        const bool keyed = waitUntil([this] { return cli.lines().dtr; });
        const std::string edited = fileText(ini()) + "BALANCE=20\r\n";
        cli.dir.write("skycrier.ini", edited);
        ::kill(pid, signal);
        const CliOutcome r = cli.finish(pid);
        EXPECT_TRUE(keyed) << r.err;
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_FALSE(r.lines.dtr);
        EXPECT_FALSE(r.lines.rts);
        EXPECT_NE(r.err.find(" CTS abort Err: SkyCrier closing:"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(std::string("stopped by ") + name + "\n"), std::string::npos) << r.err;
        // Nothing of its own changed, so nothing was written.
        EXPECT_EQ(fileText(ini()), edited);
    }
}

// Under systemd it also tells the manager it is ready, reloading and stopping, and feeds the watchdog.
TEST_F(RunCommandTest, SaysWhatItWillDoReadsTheFileAgainOnSighupAndRunsAloneOnItsFolder) {
    NotifySocket manager(cli.dir.path() / "notify");
    const pid_t pid = start("DATE=N\r\n", {"NOTIFY_SOCKET=" + manager.path(), "WATCHDOG_USEC=1000000"});
    ASSERT_GT(pid, 0);
    // The manager reads its socket all along, as systemd does.
    const auto said = [&](const std::string& text) {
        return waitUntil([&] {
            manager.heard();
            return cli.errSoFar().find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(said("; one comes when CTS rises, DSR rises or a peer program asks\n"));
    EXPECT_NE(cli.errSoFar().find("schedule: off (PERIOD=)\n"), std::string::npos);
    EXPECT_TRUE(waitUntil([&] { return manager.heard().find("WATCHDOG=1\nWATCHDOG=1\n") != std::string::npos; }));
    EXPECT_NE(manager.heard().find("READY=1\nSTATUS=announcing from " + cli.dir.path().string() + "\n"),
              std::string::npos)
        << manager.heard();

    const auto second = runCommand(cli::runRunCommand, {"--folder", cli.dir.path().string()});
    EXPECT_EQ(second.code, 1);
    EXPECT_NE(second.err.find("already running (pid " + std::to_string(pid) + ")"), std::string::npos)
        << second.err;

    const std::string edited = fileText(ini()) + "PERIOD=1\r\n";
    cli.dir.write("skycrier.ini", edited);
    ::kill(pid, SIGHUP);
    EXPECT_TRUE(said("next bulletin at "));
    EXPECT_NE(cli.errSoFar().find("schedule: every 5 minutes from 00:00 to 24:00\n"), std::string::npos);
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(fileText(ini()), edited);
    const std::string heard = manager.heard();
    const auto reloading = heard.find("RELOADING=1\n");
    EXPECT_NE(heard.find("READY=1", reloading), std::string::npos) << heard;
    EXPECT_NE(heard.find("STOPPING=1\n", reloading), std::string::npos) << heard;
    const std::string log = fileText(cli.dir.path() / "skycrier.log");
    EXPECT_NE(log.find(" next bulletin at "), std::string::npos) << log;
    EXPECT_NE(log.find(" stopped by SIGTERM\r\n"), std::string::npos) << log;
}

TEST_F(RunCommandTest, EachBulletinIsOneLineWithWhatStartedItWhatItSaidAndHowItEnded) {
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
    ASSERT_TRUE(waitUntil([this] { return cli.errSoFar().find(" DSR done: it_s ") != std::string::npos; }));
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    EXPECT_EQ(r.code, 0);
    // "YYYY-MM-DD HH:MM:SS DSR done: it_s ...", once.
    const auto at = r.err.find(" DSR done: it_s ");
    ASSERT_GE(at, 19u);
    EXPECT_EQ(r.err[at - 19 + 4], '-');
    EXPECT_EQ(r.err.find(" done: ", at + 5), std::string::npos) << r.err;
    EXPECT_TRUE(r.lines.dtrWasRaised);
    EXPECT_NE(fileText(cli.dir.path() / "skycrier.log").find(" bulletin DSR done: it_s "), std::string::npos);
}

TEST_F(RunCommandTest, StartingWithTheVersionCheckTellsOfANewerReleaseOnTheConfiguredHost) {
    HttpTestServer site({{"/index_fichiers/versions.txt", httpAnswer(200, "skycrier=9.0.0\r\n")}});
    const std::string host = site.url("");
    const pid_t pid = start("VERSTART=1\r\nVERSION_URL=" + host + "\r\n");
    ASSERT_GT(pid, 0);
    const std::string message = "A newer version of SkyCrier is available at " + host + "/";
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
    EXPECT_NE(r.err.find("Error: serial port (" + absentPort + ": No such file or directory): kept as configured"),
              std::string::npos)
        << r.err;
    const std::string saved = fileText(cli.dir.path() / "skycrier.ini");
    EXPECT_NE(saved.find("\r\nCOM=" + absentPort + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nW23_DAT=late.dat\r\n"), std::string::npos) << saved;
}

TEST(RunCommandOptions, HelpAndMistakesShowTheUsage) {
    const auto help = runCommand(cli::runRunCommand, {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.starts_with(cli::kRunUsage)) << help.out;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"}, {"--ini"}, {"--mailbox", "a/b"}})
        expectRefused(runCommand(cli::runRunCommand, args), cli::kRunUsage, true);
}

}  // namespace
}  // namespace skycrier::test
