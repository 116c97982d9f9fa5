#include "sources/pro2_archive.h"

#include <algorithm>

#include "base/little_endian.h"
#include "sources/derived_values.h"

namespace skycrier {
namespace {

constexpr std::size_t kRecordCount = 16, kDayIndex = 20, kDayEntrySize = 6;
constexpr int kLastDay = 31;
// Records read at once: a day of five-minute records with its summaries, so
// that a usual poll reads once.
constexpr std::int64_t kBlockRecords = 320;

}  // namespace

WlkArchive::WlkArchive(const std::string& path)
    : file_(path, kRecordSize, kHeaderSize), header_(file_.header()), count_(le::u32(header_, kRecordCount)) {
    if (file_.count() < count_) throw PollFailure("short file");
}

int WlkArchive::newestDay() const {
    const auto records = [&](int d) { return le::i16(header_, kDayIndex + d * kDayEntrySize); };
    if (records(kLastDay) != 0) return kLastDay;
    int d = 1;
    while (records(d) != 0) ++d;
    return d - 1;
}

std::string_view WlkArchive::record(std::int64_t index) {
    if (index < 0 || index >= count_) throw PollFailure("no such record");
    const auto held = static_cast<std::int64_t>(block_.size() / kRecordSize);
    if (index < blockFirst_ || index >= blockFirst_ + held) {
        // Polls walk backwards: the block ends at the record asked for.
        const std::int64_t first = std::max<std::int64_t>(index - kBlockRecords + 1, 0);
        block_ = file_.records(first, index - first + 1);
        blockFirst_ = first;
    }
    return std::string_view(block_).substr(static_cast<std::size_t>(index - blockFirst_) * kRecordSize, kRecordSize);
}

}  // namespace skycrier
