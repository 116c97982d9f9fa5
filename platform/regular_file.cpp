#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

#include "platform/date_time.h"

namespace skycrier {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;
constexpr std::size_t kReadChunk = 64 * 1024;

std::string sizeText(std::size_t bytes) {
    return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB" : std::to_string(bytes) + " bytes";
}

// Bytes read at offset: 0 at the end of the file, -1 on an error.
ssize_t readSome(int fd, void* into, std::size_t size, std::uint64_t offset) {
    for (;;) {
        const ssize_t got = ::pread(fd, into, size, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR) return got;
    }
}

}  // namespace

std::optional<RegularFile> RegularFile::open(const std::string& path, std::string& reason) {
    // O_NONBLOCK: opening a named pipe or a terminal returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        reason = std::strerror(errno);
        ::close(fd);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = "not a regular file";
        ::close(fd);
        return std::nullopt;
    }
    return RegularFile(fd, static_cast<std::uint64_t>(status.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(std::exchange(other.size_, 0)) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool RegularFile::readAt(std::uint64_t offset, void* into, std::size_t size) const {
    auto* out = static_cast<unsigned char*>(into);
    while (size > 0) {
        const ssize_t got = readSome(fd_, out, size, offset);
        if (got <= 0) return false;
        out += got;
        size -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes, std::string& reason) {
    const auto file = RegularFile::open(path, reason);
    if (!file) return std::nullopt;
    const auto tooLarge = [&] {
        reason = "larger than " + sizeText(maxBytes);
        return std::nullopt;
    };
    if (file->size() > maxBytes) return tooLarge();
    // Read to the end rather than to the size seen at opening: the file may
    // still be growing, and it is refused once it passes the limit.
    std::string content;
    content.reserve(static_cast<std::size_t>(file->size()));
    char chunk[kReadChunk];
    for (;;) {
        // One byte past the limit is enough to know the file is too large.
        const std::size_t room = maxBytes - content.size();
        const std::size_t want = room < kReadChunk ? room + 1 : kReadChunk;
        const ssize_t got = readSome(file->fd_, chunk, want, content.size());
        if (got < 0) {
            reason = std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0) return content;
        content.append(chunk, static_cast<std::size_t>(got));
        if (content.size() > maxBytes) return tooLarge();
    }
}

std::optional<double> lastWriteLocalTime(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    tm local{};
    if (!::localtime_r(&status.st_mtim.tv_sec, &local)) return std::nullopt;
    return encodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec, static_cast<int>(status.st_mtim.tv_nsec / 1'000'000));
}

}  // namespace skycrier
