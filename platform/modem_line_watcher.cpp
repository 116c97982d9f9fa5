#include "platform/modem_line_watcher.h"

#include <pthread.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <utility>

namespace skycrier {
namespace {

constexpr int kWatched = TIOCM_CTS | TIOCM_DSR | TIOCM_CD;
constexpr auto kReadInterval = std::chrono::milliseconds(20);
constexpr auto kWakeRetry = std::chrono::milliseconds(10);

void ignoreWake(int) {}

// A real-time signal that nothing else in the program uses. Its handler does
// nothing; installed without SA_RESTART, it ends the thread's wait in the
// kernel with EINTR instead of letting the kernel start the wait again.
int wakeSignal() {
    static const int number = [] {
        const int signal = SIGRTMIN;
        struct sigaction action = {};
        action.sa_handler = ignoreWake;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
        return signal;
    }();
    return number;
}

// The watched lines' levels; nothing when the device does not tell them.
std::optional<int> watchedLevels(int fd) {
    int status = 0;
    if (::ioctl(fd, TIOCMGET, &status) != 0) return std::nullopt;
    return status & kWatched;
}

}  // namespace

ModemLineWatcher::ModemLineWatcher(int fd, std::function<void()> changed)
    : fd_(fd),
      changed_(std::move(changed)),
      // Read here rather than on the thread, so that a change made while the thread starts is told too.
      thread_([this, seen = watchedLevels(fd)] { run(seen); }) {}

ModemLineWatcher::~ModemLineWatcher() {
    std::unique_lock lock(mutex_);
    stopping_ = true;
    wake_.notify_all();
    // A signal sent just before the thread enters the ioctl is lost, so it is sent again until the thread has ended.
    do {
        ::pthread_kill(thread_.native_handle(), wakeSignal());
    } while (!wake_.wait_for(lock, kWakeRetry, [this] { return ended_; }));
    lock.unlock();
    thread_.join();
}

void ModemLineWatcher::run(std::optional<int> seen) {
    // The thread inherits its creator's mask, which might hold the wake-up back.
    sigset_t wake;
    sigemptyset(&wake);
    sigaddset(&wake, wakeSignal());
    ::pthread_sigmask(SIG_UNBLOCK, &wake, nullptr);
    if (!waitInKernel(seen)) readAtIntervals(seen);
    std::lock_guard lock(mutex_);
    ended_ = true;
    wake_.notify_all();
}

bool ModemLineWatcher::waitInKernel(std::optional<int>& seen) {
    while (!stopping_) {
        // The kernel waits for a change after the call, so one that came while `changed` ran is told by the levels.
        if (const std::optional<int> now = watchedLevels(fd_); now != seen) {
            seen = now;
            changed_();
            continue;
        }
        if (::ioctl(fd_, TIOCMIWAIT, kWatched) == 0) {
            seen = watchedLevels(fd_);
            changed_();
        } else if (errno == EIO) {
            // Hung up: an adapter pulled out. The owner's regular checks find the port gone.
            return true;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

void ModemLineWatcher::readAtIntervals(std::optional<int> seen) {
    while (seen && sleepUnlessStopped()) {
        const std::optional<int> now = watchedLevels(fd_);
        if (now && now != seen) changed_();
        seen = now;
    }
}

bool ModemLineWatcher::sleepUnlessStopped() {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, kReadInterval, [this] { return stopping_.load(); });
}

}  // namespace skycrier
