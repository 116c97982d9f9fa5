#pragma once
// One program per settings folder: the desktop program and the service both
// key the transmitter and both save skycrier.ini, so a second one on the same
// folder must not start. The lock is a POSIX record lock on "skycrier.lock" in
// the folder, which the system drops when the process ends, however it ends;
// the file holds the owner's process number for people who look.

#include <filesystem>
#include <memory>
#include <string>

namespace skycrier {

class FolderLock {
public:
    // The lock, or nothing and the reason: "already running (pid N)" when
    // another program holds it.
    static std::unique_ptr<FolderLock> take(const std::filesystem::path& folder, std::string& error);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    explicit FolderLock(int fd) : fd_(fd) {}
    int fd_;
};

inline constexpr const char* kFolderLockFile = "skycrier.lock";

}  // namespace skycrier
