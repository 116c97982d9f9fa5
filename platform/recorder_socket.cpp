#include "platform/recorder_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "platform/desktop_open.h"

namespace skycrier {
namespace {

// Commands are short texts; anything longer is not one of ours.
constexpr std::size_t kLongestCommand = 256;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool addressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A connected, non-blocking stream socket to path, or -1.
int connectTo(const std::string& path) {
    sockaddr_un address;
    if (!addressOf(path, address)) return -1;
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (fd.get() < 0) return -1;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return -1;
    // Only a recorder of this same user is talked to, whoever made the folder.
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd.get(), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid()) {
        errno = ECONNREFUSED;
        return -1;
    }
    return fd.release();
}

// Waits for fd to become ready for events until the deadline; false on time-out or error.
bool waitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                                std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

bool makeFolder(const std::filesystem::path& folder, std::string& error) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = folder.string() + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        error = folder.string() + ": not a folder of this user";
        return false;
    }
    if ((info.st_mode & 0077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        error = folder.string() + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

std::string recorderSocketPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path folder = runtime != nullptr && *runtime == '/'
                                             ? std::filesystem::path(runtime) / "skycrier"
                                             : std::filesystem::path("/tmp/skycrier-" + std::to_string(::getuid()));
    return (folder / "TFormSonivue-TAPEWELL.sock").string();
}

int listenAsRecorder(const std::string& path, std::string& error) {
    sockaddr_un address;
    if (!addressOf(path, address)) {
        error = path + ": name too long for a socket";
        return -1;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!makeFolder(folder, error)) return -1;
    const int live = connectTo(path);
    if (live >= 0) {
        ::close(live);
        error = "another recorder is already listening on " + path;
        return -1;
    }
    ::unlink(path.c_str());
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const mode_t previous = ::umask(0177);
    const bool bound = fd.get() >= 0 && ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd.get(), 4) != 0) {
        error = path + ": " + std::strerror(errno);
        return -1;
    }
    return fd.release();
}

std::optional<std::string> receiveCommand(int connection, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string text;
    char buffer[64];
    while (text.size() <= kLongestCommand) {
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
            const auto end = text.find('\0');
            if (end != std::string::npos) return end + 1 == text.size() ? std::optional(text.substr(0, end)) : std::nullopt;
            continue;
        }
        if (got == 0) return std::nullopt;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return std::nullopt;
        if (!waitFor(connection, POLLIN, deadline)) return std::nullopt;
    }
    return std::nullopt;
}

void sendResult(int connection, std::int32_t result) {
    const auto value = static_cast<std::uint32_t>(result);
    const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    ::send(connection, bytes, sizeof bytes, MSG_NOSIGNAL);
}

bool SocketRecorderLink::programExists(const std::string& program) {
    std::error_code failed;
    return !program.empty() && std::filesystem::is_regular_file(program, failed);
}

bool SocketRecorderLink::launch(const std::string& program) { return launchProgram(program); }

bool SocketRecorderLink::recorderPresent() {
    const int fd = connectTo(path_);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::optional<std::int32_t> SocketRecorderLink::send(const std::string& command) {
    // A full backlog refuses a non-blocking connect with EAGAIN: the recorder
    // is there but busy, which counts as no answer.
    Descriptor fd(connectTo(path_));
    if (fd.get() < 0) return errno == EAGAIN ? std::optional<std::int32_t>(0) : std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTimeout;
    const std::string bytes = command + '\0';
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t put = ::send(fd.get(), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (put > 0) {
            sent += static_cast<std::size_t>(put);
        } else if (put < 0 && errno == EINTR) {
            continue;
        } else if (put < 0 && errno == EAGAIN && waitFor(fd.get(), POLLOUT, deadline)) {
            continue;
        } else {
            return 0;
        }
    }
    unsigned char answer[4];
    std::size_t got = 0;
    while (got < sizeof answer) {
        const ssize_t n = ::recv(fd.get(), answer + got, sizeof answer - got, 0);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && waitFor(fd.get(), POLLIN, deadline)) {
            continue;
        } else {
            return 0;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(answer[0]) | static_cast<std::uint32_t>(answer[1]) << 8 |
                                     static_cast<std::uint32_t>(answer[2]) << 16 |
                                     static_cast<std::uint32_t>(answer[3]) << 24);
}

}  // namespace skycrier
