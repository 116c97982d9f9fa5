#pragma once
// The program's log, skycrier.log in the program folder: a title line and
// dated entries, at most 2160 lines (90 days of hourly entries), the whole
// file rewritten after every entry. Nothing about the log may disturb the
// program, so every failure is ignored: an entry that cannot be saved stays
// in memory and goes out with the next one.
//
// Threading: the loop's thread only.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/event_loop.h"

namespace skycrier {

inline constexpr const char* kLogFileName = "skycrier.log";
inline constexpr const char* kLogTitle = "Log BRELL";
inline constexpr std::size_t kMaxLogLines = 2160;
// Far above what 2160 entries take; a larger file is not this program's log.
inline constexpr std::size_t kMaxLogBytes = 4 << 20;

class LogBook {
public:
    // The clock dates the entries.
    LogBook(const EventLoop& clock, std::filesystem::path file);

    // Replaces the lines with the file's, when it can be read.
    void read();
    // Adds "YYYY-MM-DD HH:MM:SS message", drops the oldest entries beyond the
    // limit (the title stays) and saves the whole log.
    void appendLine(const std::string& message);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    void save() const;

    const EventLoop& clock_;
    std::filesystem::path file_;
    std::vector<std::string> lines_{kLogTitle, ""};
};

}  // namespace skycrier
