#pragma once
// skycrier-cli run as a child process, as a user or a service manager runs
// it, keying a pseudo-terminal that the modem-line shim (modem_shim.c) turns
// into a serial port, with ALSA's default output going to a file at once.

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
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace skycrier::test {

inline std::string lastLine(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

// The output lines as the shim's log leaves them.
struct ModemLines {
    bool dtr = false;
    bool rts = false;
    bool dtrWasRaised = false;
};

inline ModemLines replayModemLog(const std::string& log) {
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

struct CliOutcome {
    // The exit status, or minus the signal that killed the program.
    int code;
    std::string out;
    std::string err;
    ModemLines lines;
};

class CliProcess {
public:
    CliProcess() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[64] = {};
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
            ::ptsname_r(master_, name, sizeof name) != 0)
            ADD_FAILURE() << "no pseudo-terminal";
        port_ = name;
        const std::string card = (dir.path() / "card.raw").string();
        alsa_ = dir.write("asound.conf", "pcm.!default {\n type file\n slave.pcm { type null }\n file \"" + card +
                                             "\"\n format \"raw\"\n}\n");
    }
    ~CliProcess() {
        if (master_ >= 0) ::close(master_);
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // The pseudo-terminal's device, for "COM=".
    const std::string& port() const { return port_; }
    std::filesystem::path modemLog() const { return dir.path() / "modem.log"; }
    ModemLines lines() const { return replayModemLog(fileText(modemLog())); }

    // Starts skycrier-cli with these arguments and these environment variables more.
    pid_t start(const std::vector<std::string>& args, const std::vector<std::string>& moreEnv = {}) {
        std::filesystem::remove(modemLog());
        const char* asan = std::getenv("ASAN_OPTIONS");
        std::vector<std::string> env = {
            std::string("LD_PRELOAD=") + SKYCRIER_MODEM_SHIM,
            "SKYCRIER_MODEM_LOG=" + modemLog().string(),
            "ALSA_CONFIG_PATH=" + alsa_,
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
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), args.begin(), args.end());

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
        const int failed =
            ::posix_spawn(&pid, program.c_str(), &files, &attributes, pointers(argv).data(), pointers(env).data());
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&files);
        EXPECT_EQ(failed, 0) << std::strerror(failed);
        return failed ? -1 : pid;
    }

    // Waits for the program's end; one that does not end is killed and fails the test.
    CliOutcome finish(pid_t pid) {
        int status = 0;
        if (!waitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ADD_FAILURE() << "skycrier-cli did not end";
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        return {code, fileText(outPath()), fileText(errPath()), lines()};
    }

    // What the program has written on stderr so far.
    std::string errSoFar() const { return fileText(errPath()); }

    TempDir dir;
    // The program started: the command line's, unless a test runs the desktop program this way.
    std::string program = SKYCRIER_CLI;

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
    std::string port_;
    std::string alsa_;
};

}  // namespace skycrier::test
