#pragma once
// A station's history file as one poll sees it: opened for reading only,
// records of a fixed size addressed by index and read with seeks, so a poll
// costs the same whether the file holds a day or years. The file is closed
// when the object goes, so the station software can keep appending between polls.

#include <cstdint>
#include <fstream>
#include <string>

namespace skycrier {

class HistoryFile {
public:
    // Throws PollFailure when the file cannot be opened.
    HistoryFile(const std::string& path, std::size_t recordSize);

    // Whole records in the file; trailing bytes that do not fill one are ignored.
    std::int64_t count() const { return count_; }
    // The bytes of count consecutive records from index first (0 = oldest), read
    // at once; throws PollFailure when any of them cannot be read.
    std::string records(std::int64_t first, std::int64_t count);
    std::string record(std::int64_t index) { return records(index, 1); }

private:
    std::ifstream file_;
    std::size_t recordSize_;
    std::int64_t count_ = 0;
};

}  // namespace skycrier
