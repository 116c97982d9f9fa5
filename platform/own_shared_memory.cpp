#include "platform/own_shared_memory.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace skycrier {
namespace {

// A few rounds are enough: each one means another program removed or made the object just then.
constexpr int kAttempts = 5;

std::string userName(uid_t uid) {
    passwd entry{};
    passwd* found = nullptr;
    char buffer[1024];
    const std::string number = "uid " + std::to_string(uid);
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) != 0 || !found) return number;
    return std::string(found->pw_name) + " (" + number + ")";
}

std::string octalMode(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Why the object must not be used, or nothing when it is this user's own.
std::string refusal(const std::string& name, const struct stat& st) {
    const std::string path = sharedMemoryPath(name);
    const std::string risk = ": another user could drive your programs (and key your transmitter) through it, so "
                             "SkyCrier does not use it. ";
    const std::string other = "or choose another mailbox with --mailbox NAME.";
    if (!S_ISREG(st.st_mode)) return path + " is not a shared-memory file; remove it (rm " + path + "), " + other;
    if (st.st_uid != ::geteuid())
        return path + " belongs to " + userName(st.st_uid) + ", not to you, " + userName(::geteuid()) + risk +
               "Ask its owner or root to remove it (rm " + path + "), " + other;
    if ((st.st_mode & 077) != 0)
        return path + " is open to other users (mode " + octalMode(st.st_mode) + ")" + risk + "Remove it (rm " +
               path + ") and start again, " + other;
    return {};
}

}  // namespace

std::string sharedMemoryPath(const std::string& name) { return "/dev/shm" + name; }

int openOwnSharedMemory(const std::string& name, bool& created, std::string& error) {
    const std::string path = sharedMemoryPath(name);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int fd = ::shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
        created = fd >= 0;
        if (!created && errno == EEXIST) fd = ::shm_open(name.c_str(), O_RDWR | O_CLOEXEC, 0);
        struct stat st {};
        if (fd < 0) {
            const int why = errno;
            // Removed since: make it again.
            if (why == ENOENT) continue;
            // Another user's object is not even readable: say whose it is.
            if (::stat(path.c_str(), &st) == 0 && !(error = refusal(name, st)).empty()) return -1;
            error = "cannot open " + path + ": " + std::strerror(why);
            return -1;
        }
        if (::fstat(fd, &st) != 0)
            error = "cannot open " + path + ": " + std::strerror(errno);
        else
            error = refusal(name, st);
        if (error.empty()) return fd;
        ::close(fd);
        return -1;
    }
    error = "cannot open " + path + ": other programs keep removing and making it";
    return -1;
}

}  // namespace skycrier
