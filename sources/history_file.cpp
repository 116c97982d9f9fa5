#include "sources/history_file.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "sources/derived_values.h"

namespace skycrier {

RegularFile openStationFile(const std::string& path) {
    std::string reason;
    auto file = RegularFile::open(path, reason);
    if (!file) throw PollFailure(path + ": " + reason);
    return std::move(*file);
}

HistoryFile::HistoryFile(const std::string& path, std::size_t recordSize, std::size_t headerSize)
    : file_(openStationFile(path)),
      recordSize_(recordSize),
      headerSize_(headerSize),
      count_(file_.size() < headerSize ? 0 : static_cast<std::int64_t>((file_.size() - headerSize) / recordSize)) {}

std::string HistoryFile::header() const {
    std::string bytes(headerSize_, '\0');
    if (!file_.readAt(0, bytes.data(), bytes.size())) throw PollFailure("short header");
    return bytes;
}

std::string HistoryFile::records(std::int64_t first, std::int64_t count) {
    if (first < 0 || count < 0 || first > count_ - count) throw PollFailure("no such record");
    std::string bytes(static_cast<std::size_t>(count) * recordSize_, '\0');
    if (!file_.readAt(headerSize_ + static_cast<std::uint64_t>(first) * recordSize_, bytes.data(), bytes.size()))
        throw PollFailure("short read");
    return bytes;
}

std::int64_t recordBefore(std::int64_t b, double spanDays, double spacing) {
    const double k = std::trunc(static_cast<double>(b) - spanDays / spacing);
    return k < 1 ? 0 : static_cast<std::int64_t>(k);
}

std::string recordHourBefore(HistoryFile& file, std::int64_t b, double spacing) {
    return file.record(std::max<std::int64_t>(recordBefore(b, 1.0 / 24, spacing), 1));
}

}  // namespace skycrier
