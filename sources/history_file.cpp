#include "sources/history_file.h"

#include "sources/derived_values.h"

namespace skycrier {

HistoryFile::HistoryFile(const std::string& path, std::size_t recordSize)
    : file_(path, std::ios::binary), recordSize_(recordSize) {
    if (!file_) throw PollFailure("cannot open " + path);
    file_.seekg(0, std::ios::end);
    const std::streamoff size = file_.tellg();
    if (size < 0) throw PollFailure("cannot size " + path);
    count_ = static_cast<std::int64_t>(size) / static_cast<std::int64_t>(recordSize_);
}

std::string HistoryFile::records(std::int64_t first, std::int64_t count) {
    if (first < 0 || count < 0 || first > count_ - count) throw PollFailure("no such record");
    const auto size = static_cast<std::streamsize>(count) * static_cast<std::streamsize>(recordSize_);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(first) * static_cast<std::streamoff>(recordSize_));
    file_.read(bytes.data(), size);
    if (file_.gcount() != size) throw PollFailure("short read");
    return bytes;
}

}  // namespace skycrier
