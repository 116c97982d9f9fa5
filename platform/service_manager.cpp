#include "platform/service_manager.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace skycrier {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

template <typename Number>
std::optional<Number> number(std::string_view text) {
    Number n{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

// JOURNAL_STREAM holds the device and inode of the journal's stream: standard error is it when they match.
bool standardErrorIsJournal() {
    const std::string stream = environment("JOURNAL_STREAM");
    const auto colon = stream.find(':');
    struct stat s {};
    if (colon == std::string::npos || ::fstat(STDERR_FILENO, &s) != 0) return false;
    const auto device = number<unsigned long long>(std::string_view(stream).substr(0, colon));
    const auto inode = number<unsigned long long>(std::string_view(stream).substr(colon + 1));
    return device && inode && *device == s.st_dev && *inode == s.st_ino;
}

}  // namespace

ServiceManager ServiceManager::fromEnvironment() {
    ServiceManager m;
    m.socket_ = environment("NOTIFY_SOCKET");
    const auto usec = number<long long>(environment("WATCHDOG_USEC"));
    const auto pid = number<long long>(environment("WATCHDOG_PID"));
    // A watchdog set up for another process (a parent that passed its environment on) is not ours.
    if (usec && *usec > 0 && (!pid || *pid == ::getpid())) m.watchdogInterval_ = std::max<Millis>(*usec / 2000, 1);
    m.journal_ = standardErrorIsJournal();
    return m;
}

bool ServiceManager::notify(std::string_view state) const {
    // An absolute path, or "@name" in the abstract namespace.
    if (socket_.empty() || (socket_[0] != '/' && socket_[0] != '@')) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socket_.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, socket_.data(), socket_.size());
    if (address.sun_path[0] == '@') address.sun_path[0] = '\0';
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + socket_.size());
    // Never waits: a manager that does not read its socket must not stop the loop that feeds it.
    const ssize_t sent = ::sendto(fd, state.data(), state.size(), MSG_NOSIGNAL | MSG_DONTWAIT,
                                  reinterpret_cast<const sockaddr*>(&address), length);
    ::close(fd);
    return sent == static_cast<ssize_t>(state.size());
}

const char* ServiceManager::priority(int level) const {
    if (!journal_) return "";
    switch (level) {
        case kErrorPriority: return "<3>";
        case kWarningPriority: return "<4>";
        default: return "<6>";
    }
}

}  // namespace skycrier
