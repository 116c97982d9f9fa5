#include "platform/folder_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace skycrier {

std::unique_ptr<FolderLock> FolderLock::take(const std::filesystem::path& folder, std::string& error) {
    // The lock lives in the folder, so the folder comes first.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const auto file = folder / kFolderLockFile;
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        error = file.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_SETLK, &whole) != 0) {
        const int why = errno;
        struct flock holder = whole;
        const bool known = (why == EACCES || why == EAGAIN) && ::fcntl(fd, F_GETLK, &holder) == 0 &&
                           holder.l_type != F_UNLCK;
        ::close(fd);
        error = known ? "already running (pid " + std::to_string(holder.l_pid) + ") on " + folder.string()
                      : file.string() + ": " + std::strerror(why);
        return nullptr;
    }
    // The number is for people; the lock holds without it.
    const std::string pid = std::to_string(::getpid()) + "\n";
    [[maybe_unused]] const bool written =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.data(), pid.size(), 0) == static_cast<ssize_t>(pid.size());
    return std::unique_ptr<FolderLock>(new FolderLock(fd));
}

FolderLock::~FolderLock() { ::close(fd_); }

}  // namespace skycrier
