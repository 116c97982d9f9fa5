// skycrier-cli bulletin --play run as a user runs it, keying a pseudo-terminal
// that the modem-line shim turns into a serial port: however the program ends,
// the transmitter is left unkeyed.

#include <gtest/gtest.h>

#include <csignal>

#include "support/cli_process.h"

namespace skycrier::test {
namespace {

class PlayExitTest : public ::testing::Test {
protected:
    // Starts skycrier-cli bulletin --play with the port on the pseudo-terminal,
    // these configuration lines and these environment variables more.
    pid_t start(const std::string& config, const std::vector<std::string>& moreEnv = {}) {
        const std::string ini = cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\nCOM=" + cli.port() + "\n" + config);
        return cli.start({"bulletin", "--folder", cli.dir.path().string(), "--ini", ini, "--play"}, moreEnv);
    }

    CliProcess cli;
};

TEST_F(PlayExitTest, ASignalUnkeysTheTransmitterAndGivesItsExitCode) {
    struct Caught {
        int signal;
        const char* name;
    };
    const std::vector<std::vector<Caught>> rows = {
        {{SIGINT, "SIGINT"}},
        {{SIGTERM, "SIGTERM"}},
        {{SIGHUP, "SIGHUP"}},
        {{SIGQUIT, "SIGQUIT"}},
        // In quick succession: the second must not cut the release short.
        {{SIGINT, "SIGINT"}, {SIGTERM, "SIGTERM"}},
    };
    for (const auto& sent : rows) {
        SCOPED_TRACE(std::string(sent.front().name) + (sent.size() > 1 ? " and more" : ""));
        // Fifteen seconds of silence after keying: the signal comes while the transmitter is keyed.
        const pid_t pid = start("PAUSE=15\n");
        ASSERT_GT(pid, 0);
        const bool keyed = waitUntil([this] { return cli.lines().dtr; });
        for (const Caught& c : sent) ::kill(pid, c.signal);
        const CliOutcome r = cli.finish(pid);
        EXPECT_TRUE(keyed);
        // Of several signals the first to arrive names the stop.
        const auto first =
            std::find_if(sent.begin(), sent.end(), [&r](const Caught& c) { return r.code == 128 + c.signal; });
        ASSERT_NE(first, sent.end()) << "exit code " << r.code << "; " << r.err;
        EXPECT_EQ(lastLine(r.out), std::string("abort Err: stopped by ") + first->name);
        EXPECT_FALSE(r.lines.dtr);
        EXPECT_FALSE(r.lines.rts);
    }
}

TEST_F(PlayExitTest, AnUnkeyRefusedOnceIsRetriedAndRefusedTwiceIsReported) {
    struct Row {
        const char* refusals;
        int code;
        const char* err;
    };
    const Row rows[] = {
        {"1", 0, ""},
        // The line still goes down when the port is released.
        {"2", 1, "skycrier-cli bulletin: Err: unkey DTR (Input/output error)\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.refusals);
        const pid_t pid = start("DATE=N\n", {std::string("SKYCRIER_MODEM_REFUSE_CLEAR=") + row.refusals});
        ASSERT_GT(pid, 0);
        const CliOutcome r = cli.finish(pid);
        EXPECT_EQ(r.code, row.code);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(lastLine(r.out), "done");
        EXPECT_TRUE(r.lines.dtrWasRaised);
        EXPECT_FALSE(r.lines.dtr);
        EXPECT_FALSE(r.lines.rts);
    }
}

}  // namespace
}  // namespace skycrier::test
