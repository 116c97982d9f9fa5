// skycrier-cli bulletin --play run as a user runs it, keying a pseudo-terminal
// that the modem-line shim turns into a serial port: however the program ends,
// the transmitter is left unkeyed.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

namespace skycrier::test {
namespace {

using namespace std::chrono_literals;

// Only against a hang: a passing run takes a small part of it.
constexpr auto kPatience = 20s;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string lastLine(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

bool waitUntil(const std::function<bool()>& condition) {
    for (const auto deadline = std::chrono::steady_clock::now() + kPatience; !condition();) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// The output lines as the shim's log leaves them.
struct ModemLines {
    bool dtr = false;
    bool rts = false;
    bool dtrWasRaised = false;
};

ModemLines replay(const std::string& log) {
    ModemLines lines;
    std::istringstream in(log);
    for (std::string request, names; in >> request && std::getline(in, names);) {
        const bool dtr = names.find("DTR") != std::string::npos;
        const bool rts = names.find("RTS") != std::string::npos;
        if (request == "TIOCMBIS") {
            lines.dtr = lines.dtr || dtr;
            lines.rts = lines.rts || rts;
        } else if (request == "TIOCMBIC") {
            lines.dtr = lines.dtr && !dtr;
            lines.rts = lines.rts && !rts;
        } else {
            lines.dtr = dtr;
            lines.rts = rts;
        }
        lines.dtrWasRaised = lines.dtrWasRaised || lines.dtr;
    }
    return lines;
}

struct Outcome {
    // The exit status, or minus the signal that killed the program.
    int code;
    std::string out;
    std::string err;
    ModemLines lines;
};

class PlayExitTest : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master_, 0);
        char name[64];
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        ASSERT_EQ(::ptsname_r(master_, name, sizeof name), 0);
        portPath_ = name;
    }
    void TearDown() override {
        if (master_ >= 0) ::close(master_);
    }

    // Starts skycrier-cli bulletin --play with the port on the pseudo-terminal,
    // these configuration lines and these environment variables more.
    pid_t start(const std::string& config, const std::vector<std::string>& moreEnv = {}) {
        const std::string ini = dir.write("skycrier.ini", "[SKYCRIER V2.2.2]\nCOM=" + portPath_ + "\n" + config);
        // The sound goes to a file, at once.
        const std::string card = (dir.path() / "card.raw").string();
        const std::string alsa = dir.write(
            "asound.conf",
            "pcm.!default {\n type file\n slave.pcm { type null }\n file \"" + card + "\"\n format \"raw\"\n}\n");
        std::filesystem::remove(log());

        const char* asan = std::getenv("ASAN_OPTIONS");
        std::vector<std::string> env = {
            std::string("LD_PRELOAD=") + SKYCRIER_MODEM_SHIM,
            "SKYCRIER_MODEM_LOG=" + log().string(),
            "ALSA_CONFIG_PATH=" + alsa,
            // The program may carry AddressSanitizer, which wants to be loaded first.
            std::string("ASAN_OPTIONS=") + (asan && *asan ? std::string(asan) + ":" : "") + "verify_asan_link_order=0",
        };
        env.insert(env.end(), moreEnv.begin(), moreEnv.end());
        for (char** inherited = environ; *inherited; ++inherited) {
            const std::string entry = *inherited;
            const bool replaced = std::any_of(env.begin(), env.end(), [&entry](const std::string& own) {
                return entry.compare(0, own.find('=') + 1, own, 0, own.find('=') + 1) == 0;
            });
            if (!replaced && entry.rfind("SKYCRIER_MODEM_", 0) != 0) env.push_back(entry);
        }
        std::vector<std::string> args = {SKYCRIER_CLI, "bulletin", "--folder", dir.path().string(),
                                         "--ini", ini, "--play"};

        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&files, 1, outPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, errPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        // Whatever this process ignores or blocks, the program starts with the defaults.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes, &signals);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&signals, signal);
        posix_spawnattr_setsigdefault(&attributes, &signals);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

        pid_t pid = -1;
        const int failed = ::posix_spawn(&pid, SKYCRIER_CLI, &files, &attributes, pointers(args).data(),
                                         pointers(env).data());
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&files);
        EXPECT_EQ(failed, 0) << std::strerror(failed);
        return failed ? -1 : pid;
    }

    // Waits for the program's end; one that does not end is killed and fails the test.
    Outcome finish(pid_t pid) {
        int status = 0;
        if (!waitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ADD_FAILURE() << "skycrier-cli did not end";
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        return {code, readFile(outPath()), readFile(errPath()), replay(readFile(log()))};
    }

    std::filesystem::path log() const { return dir.path() / "modem.log"; }

    TempDir dir;

private:
    std::string outPath() const { return (dir.path() / "out.txt").string(); }
    std::string errPath() const { return (dir.path() / "err.txt").string(); }

    static std::vector<char*> pointers(std::vector<std::string>& strings) {
        std::vector<char*> result;
        for (std::string& s : strings) result.push_back(s.data());
        result.push_back(nullptr);
        return result;
    }

    int master_ = -1;
    std::string portPath_;
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
        const bool keyed = waitUntil([this] { return replay(readFile(log())).dtr; });
        for (const Caught& c : sent) ::kill(pid, c.signal);
        const Outcome r = finish(pid);
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
        const Outcome r = finish(pid);
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
