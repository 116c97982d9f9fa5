// skycrier-cli peer as a user's script runs it, against skycrier-cli run in
// another process sharing the same mailbox, and both against peers that died,
// hang or left the mailbox damaged.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#include "cli/peer_command.h"
#include "cli/usage.h"
#include "platform/peer_mailbox.h"
#include "support/cli_process.h"
#include "support/command_run.h"

namespace skycrier::test {
namespace {

using namespace std::chrono_literals;

// Another program holding the mailbox's lock, until it is killed.
class LockHolder {
public:
    explicit LockHolder(const MailboxNames& names) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::shm_open(names.control.c_str(), O_RDWR, 0);
            auto* control = static_cast<MailboxControl*>(
                ::mmap(nullptr, sizeof(MailboxControl), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
            pthread_mutex_lock(&control->mutex);
            (void)!::write(ready[1], "x", 1);
            for (;;) ::pause();
        }
        char c = 0;
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolder() { kill(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    void stop() { ::kill(pid_, SIGSTOP); }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// The program's exit status when it ends within patience; otherwise it is killed and there is none.
std::optional<int> endWithin(pid_t pid, std::chrono::milliseconds patience) {
    int status = 0;
    for (const auto until = std::chrono::steady_clock::now() + patience; ::waitpid(pid, &status, WNOHANG) != pid;) {
        if (std::chrono::steady_clock::now() > until) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(10ms);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

class PeerCommandTest : public ::testing::Test {
protected:
    ~PeerCommandTest() override { PeerMailbox::unlink(names); }

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
    MailboxNames names = MailboxNames::named(name);
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

TEST_F(PeerCommandTest, APeerThatDiedHangsOrDamagedTheMailboxHoldsUpNeitherTheServiceNorItsStop) {
    enum class Fault { ListenerKilled, HolderKilled, HolderStopped, Scrambled };
    struct Case {
        const char* name;
        Fault fault;
        // What the peers or the service say of it.
        const char* notice;
    };
    const Case cases[] = {
        {"a listener killed while it waits", Fault::ListenerKilled, ""},
        {"a writer killed holding the lock", Fault::HolderKilled, ""},
        {"a writer stopped holding the lock", Fault::HolderStopped, "does not let go"},
        {"random bytes in the lock's object", Fault::Scrambled, "set up again"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Half a minute of silence after keying: the peers talk while the transmitter is keyed.
        const pid_t pid = startService("DATE=N\r\nPAUSE=30\r\n");
        ASSERT_GT(pid, 0);
        std::optional<LockHolder> holder;
        if (c.fault == Fault::ListenerKilled) {
            CliProcess listener;
            const pid_t heard = listener.start({"peer", "listen", "--mailbox", name});
            EXPECT_TRUE(waitUntil([&] {
                peer({"send", "BRELL_PING"});
                return fileText(listener.dir.path() / "out.txt").find('\n') != std::string::npos;
            }));
            ::kill(heard, SIGKILL);
            listener.finish(heard);
        } else if (c.fault == Fault::Scrambled) {
            std::fstream control("/dev/shm/" + name + ".ctl", std::ios::in | std::ios::out | std::ios::binary);
            std::mt19937 random(19);
            for (std::size_t i = 0; i < sizeof(MailboxControl); ++i) control.put(static_cast<char>(random()));
        } else {
            holder.emplace(names);
            if (c.fault == Fault::HolderKilled) holder->kill();
            if (c.fault == Fault::HolderStopped) holder->stop();
        }

        const CommandResult play = peer({"send", "BRELL_PLAY"});
        EXPECT_EQ(play.code, 0) << play.err;
        EXPECT_TRUE(waitUntil([this] { return cli.lines().dtr; })) << cli.errSoFar();
        const CommandResult hello = peer({"hello", "--timeout", "20"});
        EXPECT_EQ(hello.out, "BRELL_OCCUPIED\n") << hello.err;
        EXPECT_NE((play.err + hello.err + cli.errSoFar()).find(c.notice), std::string::npos)
            << play.err << hello.err << cli.errSoFar();

        ::kill(pid, SIGTERM);
        EXPECT_EQ(endWithin(pid, 5s), 0) << cli.errSoFar();
        const ModemLines lines = cli.lines();
        EXPECT_TRUE(lines.dtrWasRaised);
        EXPECT_FALSE(lines.dtr || lines.rts);
    }
}

TEST_F(PeerCommandTest, TheTimeOutBoundsTheWholeCommandOpeningAndSendingIncluded) {
    std::string error;
    ASSERT_TRUE(PeerMailbox::open(names, std::chrono::steady_clock::now(), {}, error)) << error;
    LockHolder holder(names);
    holder.stop();
    for (const char* action : {"hello", "play"}) {
        const pid_t pid = cli.start({"peer", action, "--timeout", "1", "--mailbox", name});
        EXPECT_EQ(endWithin(pid, 2500ms), 1) << action;
        EXPECT_EQ(lastLine(cli.errSoFar()), "skycrier-cli peer: no answer") << cli.errSoFar();
    }
}

TEST_F(PeerCommandTest, AMailboxOpenToOtherUsersIsRefusedByPeersAndTheService) {
    std::string error;
    ASSERT_TRUE(PeerMailbox::open(names, std::chrono::steady_clock::now(), {}, error)) << error;
    ASSERT_EQ(::chmod(("/dev/shm/" + name).c_str(), 0666), 0);
    const std::string refusal = "/dev/shm/" + name + " is open to other users (mode 0666)";

    const CommandResult hello = peer({"hello", "--timeout", "1"});
    EXPECT_EQ(hello.code, 1);
    EXPECT_EQ(hello.err.rfind("skycrier-cli peer: " + refusal, 0), 0u) << hello.err;

    cli.dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\r\n");
    const pid_t pid = cli.start({"run", "--folder", cli.dir.path().string(), "--mailbox", name});
    EXPECT_TRUE(waitUntil([&] { return cli.errSoFar().find("peer programs: " + refusal) != std::string::npos; }))
        << cli.errSoFar();
    ::kill(pid, SIGTERM);
    EXPECT_EQ(cli.finish(pid).code, 0);
    EXPECT_EQ(region().substr(0, 4), std::string(4, '\0'));
}

}  // namespace
}  // namespace skycrier::test
