#include "app/log_book.h"

#include <fstream>

#include "base/text_lines.h"
#include "platform/date_time.h"
#include "platform/regular_file.h"

namespace skycrier {

LogBook::LogBook(const EventLoop& clock, std::filesystem::path file) : clock_(clock), file_(std::move(file)) {}

void LogBook::read() {
    std::string reason;
    const auto text = readRegularFile(file_.string(), kMaxLogBytes, reason);
    if (!text) return;
    lines_.clear();
    for (const std::string_view line : splitLines(*text)) lines_.emplace_back(line);
}

void LogBook::appendLine(const std::string& message) {
    lines_.push_back(formatDateTime(clock_.localNow()) + " " + message);
    if (lines_.size() > kMaxLogLines)
        lines_.erase(lines_.begin() + 1, lines_.begin() + 1 + static_cast<std::ptrdiff_t>(lines_.size() - kMaxLogLines));
    save();
}

// Written beside the log and renamed over it, so that a full disk never
// leaves a log cut short.
void LogBook::save() const {
    std::filesystem::path partial = file_;
    partial += ".part";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines_) out << line << "\r\n";
    out.close();
    std::error_code ec;
    if (out) std::filesystem::rename(partial, file_, ec);
    if (!out || ec) std::filesystem::remove(partial, ec);
}

}  // namespace skycrier
