#include "platform/poll_loop.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/system_clock.h"

namespace skycrier {

std::unique_ptr<PollLoop> PollLoop::create(std::string& error) {
    const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0) {
        error = std::string("cannot create the event loop's wake-up descriptor: ") + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<PollLoop>(new PollLoop(fd));
}

PollLoop::PollLoop(int wakeFd) : wakeFd_(wakeFd) {}

PollLoop::~PollLoop() { ::close(wakeFd_); }

Millis PollLoop::monotonicMs() const { return systemMonotonicMs(); }

double PollLoop::localNow() const { return systemLocalNow(); }

UtcOffsets PollLoop::utcOffsets() const { return systemUtcOffsets(); }

void PollLoop::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

void PollLoop::watchReadable(int fd, std::function<void()> handler) { watched_[fd] = std::move(handler); }

void PollLoop::unwatch(int fd) { watched_.erase(fd); }

void PollLoop::quit() {
    quit_ = true;
    wake();
}

void PollLoop::run() {
    runUntil([] { return false; });
}

void PollLoop::runUntil(const std::function<bool()>& condition) {
    claimCurrentThread();
    quit_ = false;
    while (!quit_ && !condition()) {
        if (runPosted() || runDueCallbacks(monotonicMs())) continue;
        const Millis due = nextDue();
        int timeout = -1;
        if (due >= 0) timeout = static_cast<int>(std::clamp<Millis>(due - monotonicMs(), 0, INT_MAX));
        std::vector<pollfd> fds{{wakeFd_, POLLIN, 0}};
        for (const auto& [fd, handler] : watched_) fds.push_back({fd, POLLIN, 0});
        const int ready = ::poll(fds.data(), fds.size(), timeout);
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        if (fds[0].revents) {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto got = ::read(wakeFd_, &count, sizeof count);
        }
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (!fds[i].revents) continue;
            // A handler may unwatch descriptors, its own included.
            const auto found = watched_.find(fds[i].fd);
            if (found != watched_.end()) {
                const auto handler = found->second;
                handler();
            }
        }
    }
}

}  // namespace skycrier
