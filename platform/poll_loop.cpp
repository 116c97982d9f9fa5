#include "platform/poll_loop.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include "platform/date_time.h"

namespace skycrier {

PollLoop::PollLoop() : wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

PollLoop::~PollLoop() {
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

Millis PollLoop::monotonicMs() const {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Millis>(ts.tv_sec) * 1000 + ts.tv_nsec / 1'000'000;
}

double PollLoop::localNow() const {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    ::localtime_r(&ts.tv_sec, &local);
    return encodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec, static_cast<int>(ts.tv_nsec / 1'000'000));
}

int PollLoop::utcOffsetMinutes() const {
    const time_t now = ::time(nullptr);
    tm local{};
    ::localtime_r(&now, &local);
    return static_cast<int>(local.tm_gmtoff / 60);
}

void PollLoop::post(std::function<void()> task) {
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(std::move(task));
    }
    wake();
}

void PollLoop::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

void PollLoop::quit() {
    quit_ = true;
    wake();
}

bool PollLoop::runPosted() {
    bool ran = false;
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(postedMutex_);
            if (posted_.empty()) return ran;
            task = std::move(posted_.front());
            posted_.pop_front();
        }
        task();
        ran = true;
    }
}

void PollLoop::run() {
    runUntil([] { return false; });
}

void PollLoop::runUntil(const std::function<bool()>& condition) {
    quit_ = false;
    while (!quit_ && !condition()) {
        if (runPosted() || runDueCallbacks(monotonicMs())) continue;
        const Millis due = nextDue();
        int timeout = -1;
        if (due >= 0) {
            const Millis wait = due - monotonicMs();
            timeout = wait > 0 ? static_cast<int>(wait) : 0;
        }
        pollfd fd{wakeFd_, POLLIN, 0};
        const int ready = ::poll(&fd, 1, timeout);
        if (ready > 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto got = ::read(wakeFd_, &count, sizeof count);
        } else if (ready < 0 && errno != EINTR) {
            break;
        }
    }
}

}  // namespace skycrier
