#pragma once
// A WeatherLink month file (YYYY-MM.wlk) as one poll reads it: the 212-byte
// header with its day index, then the 88-byte records it counts. A poll
// walks back from the newest record over about a day, so records are read at
// their place, a block at a time, and a file that has grown large costs what
// a month costs. The index's start positions are not followed: the newest
// records are the last ones the header counts, so an index that points
// outside the file or disagrees with its records changes nothing.

#include <cstdint>
#include <string>
#include <string_view>

#include "sources/history_file.h"

namespace skycrier {

class WlkArchive {
public:
    static constexpr std::size_t kHeaderSize = 212;
    static constexpr std::size_t kRecordSize = 88;

    // Throws PollFailure when the file cannot be opened, its header is short,
    // or it holds fewer records than its header counts.
    explicit WlkArchive(const std::string& path);

    // Records the header counts.
    std::int64_t count() const { return count_; }
    // The last day before the first day of the index without records (31
    // when day 31 has records).
    int newestDay() const;
    // Record index (0 = first); valid until the next call.
    std::string_view record(std::int64_t index);

private:
    HistoryFile file_;
    std::string header_;
    std::int64_t count_;
    // The block last read: records from blockFirst_ on.
    std::int64_t blockFirst_ = 0;
    std::string block_;
};

}  // namespace skycrier
