#pragma once
// Input files taken only when they are regular files. They are opened without
// blocking and checked before anything is read: a named pipe would hold the
// program in open() or read() until some writer came, a device could be
// anything, and a folder reads as nothing at all. Reasons are one line
// without the path ("not a regular file", "larger than 1 MB", the system's
// own text), for the caller to show after the name the user knows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace skycrier {

class RegularFile {
public:
    // Nothing, and the reason, when the path cannot be opened or is not a regular file.
    static std::optional<RegularFile> open(const std::string& path, std::string& reason);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    // Bytes in the file when it was opened.
    std::uint64_t size() const { return size_; }
    // Reads exactly size bytes from offset; false on a read error or when the file ends first.
    bool readAt(std::uint64_t offset, void* into, std::size_t size) const;

private:
    friend std::optional<std::string> readRegularFile(const std::string&, std::size_t, std::string&);
    RegularFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}

    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// A whole small file; nothing, and the reason, when it cannot be read, is not
// a regular file or holds more than maxBytes.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes, std::string& reason);

// When the file was last written, as a local date-time double; nothing when it cannot be told.
std::optional<double> lastWriteLocalTime(const std::string& path);

}  // namespace skycrier
