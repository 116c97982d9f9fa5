// skycrier-cli peer as a user's script runs it, against skycrier-cli run in
// another process sharing the same mailbox.

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include "cli/peer_command.h"
#include "cli/usage.h"
#include "platform/peer_mailbox.h"
#include "support/cli_process.h"
#include "support/command_run.h"

namespace skycrier::test {
namespace {

class PeerCommandTest : public ::testing::Test {
protected:
    ~PeerCommandTest() override { PeerMailbox::unlink(MailboxNames::named(name)); }

    CommandResult peer(std::vector<std::string> args) {
        args.insert(args.end(), {"--mailbox", name});
        return runCommand(cli::runPeerCommand, args);
    }
    std::string region() const {
        std::ifstream in("/dev/shm/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The service on a configuration with the pseudo-terminal as its port,
    // once its notice of connecting is in the mailbox and its start-up has
    // opened the port (before that, nothing starts a bulletin).
    pid_t startService(const std::string& config) {
        cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\nCOM=" + cli.port() + "\r\n" + config);
        const pid_t pid = cli.start({"run", "--folder", cli.dir.path().string(), "--mailbox", name});
        // Length and text, in Windows-1252.
        const std::string notice = std::string("\x0E\0\0\0", 4) + "BRELL connect\xE9";
        EXPECT_TRUE(waitUntil([&] { return region().substr(0, notice.size()) == notice; })) << cli.errSoFar();
        EXPECT_TRUE(waitUntil([this] { return std::filesystem::exists(cli.modemLog()); })) << cli.errSoFar();
        return pid;
    }

    std::string name = "skycrier-test-peer-" + std::to_string(::getpid());
    CliProcess cli;
};

TEST_F(PeerCommandTest, BadUsageIsRefused) {
    const std::vector<std::string> cases[] = {
        {}, {"wave"}, {"send"}, {"send", "a", "b"}, {"hello", "x"}, {"hello", "--timeout", "-1"},
        {"listen", "--timeout"}, {"hello", "--mailbox", "a/b"},
    };
    for (const auto& args : cases) expectRefused(runCommand(cli::runPeerCommand, args), cli::kPeerUsage, true);
}

TEST_F(PeerCommandTest, NoAnswerInTimeEndsWithOne) {
    for (const char* action : {"hello", "play"}) {
        const CommandResult r = peer({action, "--timeout", "0"});
        EXPECT_EQ(r.code, 1) << action;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "skycrier-cli peer: no answer\n");
    }
}

TEST_F(PeerCommandTest, ListenPrintsEveryMessageInUtf8UntilItsTimeOut) {
    const pid_t pid = cli.start({"peer", "listen", "--timeout", "2", "--mailbox", name});
    ASSERT_GT(pid, 0);
    const auto out = cli.dir.path() / "out.txt";
    // Said until heard: the listener may not be waiting yet.
    EXPECT_TRUE(waitUntil([&] {
        peer({"send", "BRELL connecté"});
        return fileText(out).find('\n') != std::string::npos;
    }));
    const CliOutcome r = cli.finish(pid);
    EXPECT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) EXPECT_EQ(line, "BRELL connecté");
}

TEST_F(PeerCommandTest, TheServiceAnswersReadyPlaysOnRequestAndIsOccupiedDuringABulletin) {
    const pid_t pid = startService("DATE=N\r\n");
    ASSERT_GT(pid, 0);
    EXPECT_EQ(peer({"hello", "--timeout", "20"}).out, "BRELL_READY\n");
    const CommandResult played = peer({"play", "--timeout", "120"});
    EXPECT_EQ(played.code, 0) << played.err;
    EXPECT_EQ(played.out, "BRELL_DONE\n");
    ::kill(pid, SIGTERM);
    const CliOutcome r = cli.finish(pid);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find(" peer done: "), std::string::npos) << r.err;
    // The service's last word.
    EXPECT_EQ(region().substr(0, 22), std::string("\x12\0\0\0BRELL desconectado", 22));

    // Fifteen seconds of silence after keying: the question comes while the transmitter is keyed.
    const pid_t busy = startService("DATE=N\r\nPAUSE=15\r\n");
    ASSERT_GT(busy, 0);
    EXPECT_EQ(peer({"send", "BRELL_PLAY"}).code, 0);
    EXPECT_TRUE(waitUntil([this] { return cli.lines().dtr; }));
    EXPECT_EQ(peer({"hello", "--timeout", "20"}).out, "BRELL_OCCUPIED\n");
    ::kill(busy, SIGTERM);
    EXPECT_EQ(cli.finish(busy).code, 0);
}

}  // namespace
}  // namespace skycrier::test
