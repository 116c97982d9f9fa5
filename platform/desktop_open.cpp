#include "platform/desktop_open.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace skycrier {
namespace {

// The opener and what it starts must not inherit this program's blocked or
// ignored signals, nor end with it when its terminal goes.
class SpawnAttributes {
public:
    SpawnAttributes() {
        ready_ = ::posix_spawnattr_init(&attributes_) == 0;
        if (!ready_) return;
        sigset_t none;
        sigset_t all;
        ::sigemptyset(&none);
        ::sigfillset(&all);
        ::posix_spawnattr_setsigmask(&attributes_, &none);
        ::posix_spawnattr_setsigdefault(&attributes_, &all);
        ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    }
    ~SpawnAttributes() {
        if (ready_) ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* get() const { return ready_ ? &attributes_ : nullptr; }

private:
    posix_spawnattr_t attributes_{};
    bool ready_ = false;
};

void reapInBackground(pid_t pid) {
    try {
        std::thread([pid] {
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the finished opener stays a zombie until this program ends.
    }
}

}  // namespace

bool openWithDefaultApplication(const std::string& target) {
    const SpawnAttributes attributes;
    std::string program = "xdg-open";
    // A file name beginning with "-" would be taken for one of xdg-open's options.
    std::string argument = target.starts_with('-') ? "./" + target : target;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, program.c_str(), nullptr, attributes.get(), argv, environ) != 0) return false;
    reapInBackground(pid);
    return true;
}

bool launchProgram(const std::string& program) {
    const SpawnAttributes attributes;
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, path.c_str(), nullptr, attributes.get(), argv, environ) != 0) return false;
    reapInBackground(pid);
    return true;
}

}  // namespace skycrier
