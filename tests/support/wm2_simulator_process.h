#pragma once
// The Weather Monitor II console simulator as a child process, killed at the
// end of the test; its first output line is the pseudo-terminal it answers on.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace skycrier::test {

class Wm2Simulator {
public:
    explicit Wm2Simulator(std::vector<std::string> options) {
        options.insert(options.begin(), SKYCRIER_WM2_SIMULATOR);
        std::vector<char*> argv;
        for (auto& option : options) argv.push_back(option.data());
        argv.push_back(nullptr);
        int out[2];
        if (::pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
        ::close(out[0]);
    }
    ~Wm2Simulator() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    Wm2Simulator(const Wm2Simulator&) = delete;
    Wm2Simulator& operator=(const Wm2Simulator&) = delete;

    const std::string& device() const { return device_; }

private:
    pid_t pid_ = -1;
    std::string device_;
};

}  // namespace skycrier::test
