#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace skycrier {
namespace {

std::string failure(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The temporary file, complete and on the disk; false with the reason.
bool writeTemporary(const std::string& temporary, std::string_view content, unsigned permissions, std::string& reason) {
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) {
        reason = failure("cannot delete", temporary);
        return false;
    }
    // Owner-only while it is written: the content may hold a password.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        reason = failure("cannot create", temporary);
        return false;
    }
    bool done = writeAll(fd, content);
    if (!done) reason = failure("cannot write", temporary);
    if (done && ::fchmod(fd, static_cast<mode_t>(permissions)) != 0) {
        reason = failure("cannot set the permissions of", temporary);
        done = false;
    }
    if (done && ::fsync(fd) != 0) {
        reason = failure("cannot flush", temporary);
        done = false;
    }
    if (::close(fd) != 0 && done) {
        reason = failure("cannot close", temporary);
        done = false;
    }
    if (!done) ::unlink(temporary.c_str());
    return done;
}

bool flushFolder(const std::string& path, std::string& reason) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        reason = failure("cannot open the folder", folder);
        return false;
    }
    // Some file systems cannot flush a folder and say so with EINVAL; their renames are durable anyway.
    const bool flushed = ::fsync(fd) == 0 || errno == EINVAL;
    if (!flushed) reason = failure("cannot flush the folder", folder);
    ::close(fd);
    return flushed;
}

}  // namespace

bool replaceFileAtomically(const std::string& path, const std::string& temporary, std::string_view content,
                           unsigned permissions, std::string& reason) {
    if (!writeTemporary(temporary, content, permissions, reason)) return false;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = failure("cannot rename " + temporary + " to", path);
        ::unlink(temporary.c_str());
        return false;
    }
    return flushFolder(path, reason);
}

}  // namespace skycrier
