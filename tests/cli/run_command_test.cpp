// skycrier-cli run as a service manager runs it: it announces when CTS rises
// on a pseudo-terminal that the modem-line shim turns into a serial port, and
// however it is stopped during a bulletin the transmitter ends unkeyed and the
// configuration is saved whole.

#include <gtest/gtest.h>

#include <csignal>

#include "support/cli_process.h"

namespace skycrier::test {
namespace {

class RunCommandTest : public ::testing::Test {
protected:
    // Starts the service on a configuration with the pseudo-terminal as its port.
    pid_t start(const std::string& config) {
        cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + cli.port() + "\r\n" + config);
        cli.dir.write("inputs", "");
        return cli.start({"run", "--folder", cli.dir.path().string()},
                         {"SKYCRIER_MODEM_INPUTS=" + (cli.dir.path() / "inputs").string()});
    }
    void raise(const std::string& lines) { cli.dir.write("inputs", lines); }

    CliProcess cli;
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
    }
}

TEST_F(RunCommandTest, EachBulletinIsOneLineWithWhatStartedItAndHowItEnded) {
    const pid_t pid = start("DATE=N\r\n");
    ASSERT_GT(pid, 0);
    raise("DSR");
    ASSERT_TRUE(waitUntil([this] { return cli.errSoFar().find(" DSR done\n") != std::string::npos; }));
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    EXPECT_EQ(r.code, 0);
    // "YYYY-MM-DD HH:MM:SS DSR done", and nothing else.
    ASSERT_EQ(r.err.size(), 29u) << r.err;
    EXPECT_EQ(r.err.substr(19), " DSR done\n");
    EXPECT_TRUE(r.lines.dtrWasRaised);
}

}  // namespace
}  // namespace skycrier::test
