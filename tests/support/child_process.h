#pragma once
// A program run beside a test or benchmark: its own environment, stdin from
// /dev/null, stdout and stderr into files. It is killed when its parent dies,
// so that nothing it starts outlives a test that crashed or was killed.
//
// Threading: the thread that starts a child must outlive it (the kernel ties
// the child's end to that thread).

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace skycrier::test {

// This process's environment with the given "NAME=value" entries in place of its own.
std::vector<std::string> environmentWith(const std::vector<std::string>& overrides);

class ChildProcess {
public:
    // Starts argv[0], looked up on PATH when it holds no slash; running() is
    // false and failure() says why when it cannot be started.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 const std::string& stdoutPath, const std::string& stderrPath);
    // Stops it as stop() does.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running();
    const std::string& failure() const { return failure_; }

    // Waits for its end, at most patience: its exit status, or minus the
    // signal that ended it; nothing while it still runs.
    std::optional<int> wait(std::chrono::milliseconds patience);
    // Sends it the signal while it runs.
    void signal(int number);
    // SIGTERM, then SIGKILL when it has not ended after patience; the status as wait() gives it.
    int stop(std::chrono::milliseconds patience = std::chrono::seconds(3));

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::string failure_;
};

}  // namespace skycrier::test
