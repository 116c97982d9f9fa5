// One Vantage Pro2 poll of a month's .wlk file (five-minute records, 790 KB)
// against one of a 1 GB file that ends with the same month: a poll reads
// only the newest records it uses, so the two should cost about the same.
// "read_bytes" is what the poll asked the system to read, "peak_growth_kb"
// how far the process's peak memory rose while polling.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <fstream>
#include <string>

#include "base/little_endian.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "app/source_models.h"
#include "sources/pro2_archive.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

constexpr std::uint64_t kGigabyte = 1'000'000'000;

// March 2026 up to the 31st, 23:55: each day's summaries, then its five-minute records.
std::string monthFile() {
    std::vector<test::WlkRecord> records;
    test::WlkRecord r;
    r.interval = 5;
    for (int day = 1; day <= 31; ++day) {
        r.day = day;
        for (int i = 1; i < 288; ++i) {
            r.minutes = static_cast<std::uint16_t>(5 * i);
            r.barometer = static_cast<std::uint16_t>(29800 + i % 40);
            r.wind = static_cast<std::uint16_t>(i % 120);
            r.highWind = static_cast<std::uint16_t>(r.wind + 30);
            r.rainClicks = static_cast<std::uint8_t>(i % 7 == 0);
            records.push_back(r);
        }
    }
    return test::wlkFile(test::withDailySummaries(records));
}

void putU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// The month's records at the end of a sparse file of `bytes`: the header counts
// every record and its index points at the month's days; the hole before
// them reads as records of no type.
void writeLongFile(const std::string& path, std::string month, std::uint64_t bytes) {
    const auto monthRecords = (month.size() - WlkArchive::kHeaderSize) / WlkArchive::kRecordSize;
    const auto total = (bytes - WlkArchive::kHeaderSize) / WlkArchive::kRecordSize;
    const auto hole = total - monthRecords;
    putU32(month, 16, static_cast<std::uint32_t>(total));
    for (std::size_t d = 1; d < 32; ++d) {
        const std::size_t at = 20 + 6 * d + 2;
        putU32(month, at, static_cast<std::uint32_t>(le::u32(month, at) + hole));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(month.data(), WlkArchive::kHeaderSize);
    out.seekp(static_cast<std::streamoff>(WlkArchive::kHeaderSize + hole * WlkArchive::kRecordSize));
    out.write(month.data() + WlkArchive::kHeaderSize,
              static_cast<std::streamsize>(month.size() - WlkArchive::kHeaderSize));
}

// Bytes this process has asked the system to read so far.
double bytesRead() {
    std::ifstream io("/proc/self/io");
    std::string key;
    double value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return 0;
}

double peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

void pollArchive(benchmark::State& state, std::uint64_t bytes) {
    const test::TempDir dir;
    const std::string month = monthFile();
    const std::string path = (dir.path() / "2026-03.wlk").string();
    if (bytes == 0)
        dir.write("2026-03.wlk", month);
    else
        writeLongFile(path, month, bytes);
    VirtualLoop loop(encodeDateTime(2026, 3, 31, 23, 58));
    SpeechUnits units;
    SourceModels stations(loop, units);
    Pro2Source& pro2 = stations.pro2Source;
    pro2.loadDataFile(path);
    const double peakBefore = peakKilobytes();
    const double readBefore = bytesRead();
    pro2.poll();
    if (!pro2.poller().errorLine().empty() || pro2.observationTime().caption != "2026-03-31 23:55:00") {
        state.SkipWithError("the poll did not read the file");
        return;
    }
    std::int64_t polls = 1;
    for (auto _ : state) {
        pro2.poll();
        benchmark::DoNotOptimize(pro2.meteo().Pluie);
        ++polls;
    }
    state.counters["read_bytes"] = (bytesRead() - readBefore) / static_cast<double>(polls);
    state.counters["peak_growth_kb"] = peakKilobytes() - peakBefore;
    state.counters["file_mb"] = static_cast<double>(bytes == 0 ? month.size() : bytes) / 1e6;
}

void Pro2PollOfAMonth(benchmark::State& state) { pollArchive(state, 0); }
void Pro2PollOf1GB(benchmark::State& state) { pollArchive(state, kGigabyte); }

BENCHMARK(Pro2PollOfAMonth)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pro2PollOf1GB)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skycrier
