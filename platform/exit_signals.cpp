#include "platform/exit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace skycrier {
namespace {

// The pipe's write end for the handler; -1 while no instance lives.
std::atomic<int> gWriteFd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read by a signal handler");

void writeSignalNumber(int signal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe drops the signal: enough of them wait to be read already.
    [[maybe_unused]] const auto written = ::write(gWriteFd.load(), &byte, 1);
    errno = savedErrno;
}

}  // namespace

std::unique_ptr<ExitSignals> ExitSignals::create(std::string& error) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        error = std::string("cannot create the signal pipe: ") + std::strerror(errno);
        return nullptr;
    }
    int none = -1;
    if (!gWriteFd.compare_exchange_strong(none, fds[1])) {
        ::close(fds[0]);
        ::close(fds[1]);
        error = "the exit signals are already watched";
        return nullptr;
    }
    return std::unique_ptr<ExitSignals>(new ExitSignals(fds[0], fds[1]));
}

ExitSignals::ExitSignals(int readFd, int writeFd) : readFd_(readFd), writeFd_(writeFd) {
    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigfillset(&action.sa_mask);
    // Other threads' blocking calls carry on; poll() is woken all the same.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kCaught); ++i) {
        ::sigaction(kCaught[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler != SIG_IGN) ::sigaction(kCaught[i], &action, nullptr);
    }
}

ExitSignals::~ExitSignals() {
    for (std::size_t i = 0; i < std::size(kCaught); ++i) ::sigaction(kCaught[i], &previous_[i], nullptr);
    gWriteFd = -1;
    ::close(readFd_);
    ::close(writeFd_);
}

int ExitSignals::take() {
    unsigned char byte = 0;
    return ::read(readFd_, &byte, 1) == 1 ? byte : 0;
}

const char* ExitSignals::name(int signal) {
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    case SIGQUIT: return "SIGQUIT";
    }
    return nullptr;
}

}  // namespace skycrier
