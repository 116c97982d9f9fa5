#pragma once
// A station's history file as one poll sees it: opened for reading only,
// records of a fixed size addressed by index and read at their place, so a
// poll costs the same whether the file holds a day or years. Only a regular
// file is read (a named pipe put in its place would hold the poll). The file
// is closed when the object goes, so the station software can keep
// appending between polls.

#include <cstdint>
#include <string>

#include "platform/regular_file.h"

namespace skycrier {

// A station's file opened for one poll; throws PollFailure, naming the path
// and the reason, when it cannot be opened or is not a regular file.
RegularFile openStationFile(const std::string& path);

class HistoryFile {
public:
    // Throws PollFailure when the file cannot be opened or is not a regular
    // file. The records follow a header of headerSize bytes.
    HistoryFile(const std::string& path, std::size_t recordSize, std::size_t headerSize = 0);

    // The header's bytes; throws PollFailure when the file is shorter.
    std::string header() const;
    // Whole records after the header; trailing bytes that do not fill one are ignored.
    std::int64_t count() const { return count_; }
    // The bytes of count consecutive records from index first (0 = oldest), read
    // at once; throws PollFailure when any of them cannot be read.
    std::string records(std::int64_t first, std::int64_t count);
    std::string record(std::int64_t index) { return records(index, 1); }

private:
    RegularFile file_;
    std::size_t recordSize_;
    std::size_t headerSize_;
    std::int64_t count_ = 0;
};

// The record about spanDays before record b of evenly spaced records; 0 when
// the file does not reach that far back (record 0 never counts).
std::int64_t recordBefore(std::int64_t b, double spanDays, double spacing);

// The record about an hour before record b of records `spacing` days apart (record 1 at the oldest).
std::string recordHourBefore(HistoryFile& file, std::int64_t b, double spacing);

}  // namespace skycrier
