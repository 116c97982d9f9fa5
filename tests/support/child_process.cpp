#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

extern char** environ;

namespace skycrier::test {
namespace {

std::string nameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::string onPath(const std::string& program) {
    if (program.find('/') != std::string::npos) return program;
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& s : strings) result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

int statusCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status); }

}  // namespace

std::vector<std::string> environmentWith(const std::vector<std::string>& overrides) {
    std::vector<std::string> result = overrides;
    for (char** inherited = environ; *inherited; ++inherited) {
        const std::string entry = *inherited;
        bool replaced = false;
        for (const std::string& own : overrides) replaced = replaced || nameOf(own) == nameOf(entry);
        if (!replaced) result.push_back(entry);
    }
    return result;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::string& stdoutPath, const std::string& stderrPath) {
    const std::string program = onPath(argv.at(0));
    if (program.empty()) {
        failure_ = argv[0] + ": not found on PATH";
        return;
    }
    std::vector<std::string> args = argv, env = environment;
    const std::vector<char*> argp = pointers(args), envp = pointers(env);
    const pid_t parent = ::getpid();
    // Between fork and exec only system calls: this process may have threads.
    pid_ = ::fork();
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(127);
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        ::execve(program.c_str(), argp.data(), envp.data());
        ::_exit(127);
    }
    if (pid_ < 0) failure_ = std::string("fork: ") + std::strerror(errno);
}

ChildProcess::~ChildProcess() { stop(); }

bool ChildProcess::running() { return pid_ > 0 && !wait(std::chrono::milliseconds(0)); }

std::optional<int> ChildProcess::wait(std::chrono::milliseconds patience) {
    if (status_ || pid_ <= 0) return status_;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) return status_ = statusCode(status);
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void ChildProcess::signal(int number) {
    if (pid_ > 0 && !status_) ::kill(pid_, number);
}

int ChildProcess::stop(std::chrono::milliseconds patience) {
    if (pid_ <= 0) return -1;
    if (!status_) ::kill(pid_, SIGTERM);
    if (const auto ended = wait(patience)) return *ended;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    return *(status_ = statusCode(status));
}

}  // namespace skycrier::test
