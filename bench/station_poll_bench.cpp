// One WS-23xx poll of a history file that has grown for years (100 MB)
// against one of a file a few hours old (10 KB): a poll reads only the
// records it needs, so the two should cost about the same.

#include <benchmark/benchmark.h>

#include <fstream>

#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "app/source_models.h"
#include "sources/ws23_reader.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

// A history file of five-minute records, ending now, written in blocks.
std::string writeHistory(const test::TempDir& dir, const std::string& name, std::size_t bytes) {
    const std::string path = (dir.path() / name).string();
    std::ofstream out(path, std::ios::binary);
    const std::size_t count = bytes / kWs23RecordSize;
    const double last = encodeDateTime(2026, 3, 10, 12, 0);
    std::string block;
    test::Ws23Record r;
    for (std::size_t i = 0; i < count; ++i) {
        r.time = last - static_cast<double>(count - 1 - i) * 5 / 1440;
        r.pressure = 1000 + static_cast<float>(i % 30);
        r.wind = static_cast<float>(i % 12);
        r.rain = static_cast<float>(i) * 0.01f;
        block += test::ws23Bytes(r);
        if (block.size() >= (1 << 20)) {
            out << block;
            block.clear();
        }
    }
    out << block;
    return path;
}

void pollHistory(benchmark::State& state, std::size_t bytes) {
    const test::TempDir dir;
    const std::string path = writeHistory(dir, "history.dat", bytes);
    VirtualLoop loop(encodeDateTime(2026, 3, 10, 12, 5));
    SpeechUnits units;
    SourceModels stations(loop, units);
    Ws23Source& w23 = stations.ws23Source;
    w23.loadDataFile(path);
    w23.poll();
    if (!w23.poller().errorLine().empty() || w23.meteo().ObservedAt == 0) {
        state.SkipWithError("the poll did not read the file");
        return;
    }
    for (auto _ : state) {
        w23.poll();
        benchmark::DoNotOptimize(w23.meteo().Pluie);
    }
    state.counters["records"] = static_cast<double>(bytes / kWs23RecordSize);
}

void Ws23PollOf10KB(benchmark::State& state) { pollHistory(state, 10'000); }
void Ws23PollOf100MB(benchmark::State& state) { pollHistory(state, 100'000'000); }

BENCHMARK(Ws23PollOf10KB)->Unit(benchmark::kMicrosecond);
BENCHMARK(Ws23PollOf100MB)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skycrier
