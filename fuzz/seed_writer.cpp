// Writes the binary seeds of the fuzz corpus (WAVE clips and the three
// station files) with the test fixture writers, so that the seeds are files
// the readers take as they are. The text seeds (configuration and record
// files) are written by hand. Usage: fuzz_seed_writer CORPUS_DIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "support/station_files.h"
#include "support/wave_bytes.h"

namespace {

using namespace skycrier;

bool write(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

struct Seed {
    const char* file;
    std::string bytes;
};

std::vector<Seed> waveSeeds() {
    test::WaveLayout mono;
    mono.data = std::string(64, '\x10');
    test::WaveLayout stereo8;
    stereo8.channels = 2;
    stereo8.bits = 8;
    stereo8.rate = 11025;
    stereo8.formatSize = 18;
    stereo8.chunksBefore = {{"LIST", "INFOISFT"}};
    stereo8.data = std::string(32, '\x80');
    test::WaveLayout stereo48;
    stereo48.channels = 2;
    stereo48.rate = 48000;
    stereo48.chunksBefore = {{"fact", std::string(4, '\0')}};
    stereo48.data = std::string(48, '\x01');
    return {{"wave_reader/mono16.wav", test::waveBytes(mono)},
            {"wave_reader/stereo8_with_list.wav", test::waveBytes(stereo8)},
            {"wave_reader/stereo16_with_fact.wav", test::waveBytes(stereo48)}};
}

std::vector<Seed> stationSeeds() {
    const double last = encodeDateTime(2026, 3, 10, 11, 40, 0);

    test::Ws23Record w23;
    w23.pressure = 1012;
    w23.wind = 2;
    w23.rain = 10;
    auto w23Day = test::ws23Series(60, last, 25, w23);
    w23Day.back().pressure = 1013;
    w23Day.back().wind = 5;
    w23Day.back().rain = 12.5f;
    w23Day[w23Day.size() - 4].wind = 7.5f;

    test::Ws28Record w28;
    w28.wind = 2;
    w28.gust = 3;
    w28.rain = 0.5f;
    auto w28Day = test::ws28Series(60, last, 25, w28);
    w28Day.back().absolutePressure = 1014;
    w28Day.back().gust = 7.5f;

    // Day 1 (one record) and day 2 in hours up to 11:00, with each day's summaries:
    // the newest day is the last before the first without records.
    std::vector<test::WlkRecord> archive;
    test::WlkRecord r;
    r.interval = 60;
    r.rainClicks = 1;
    r.wind = 100;
    r.highWind = 150;
    r.direction = 5;
    r.day = 1;
    r.minutes = 1440;
    archive.push_back(r);
    r.day = 2;
    for (int hour = 1; hour <= 11; ++hour) {
        r.minutes = static_cast<std::uint16_t>(hour * 60);
        archive.push_back(r);
    }
    archive[archive.size() - 2].barometer = 29800;

    return {{"ws23_history/day.dat", test::ws23File(w23Day)},
            {"ws23_history/two_records.dat", test::ws23File(test::ws23Series(2, last, 25, w23))},
            {"ws28_history/day.dat", test::ws28File(w28Day)},
            {"ws28_history/two_records.dat", test::ws28File(test::ws28Series(2, last, 25, w28))},
            {"pro2_wlk/two_days.wlk", test::wlkFile(test::withDailySummaries(archive))},
            {"pro2_wlk/one_record.wlk", test::wlkFile(test::withDailySummaries({test::WlkRecord{}}))}};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_writer CORPUS_DIR\n");
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    for (const auto& seeds : {waveSeeds(), stationSeeds()}) {
        for (const Seed& seed : seeds) {
            if (!write(corpus / seed.file, seed.bytes)) {
                std::fprintf(stderr, "fuzz_seed_writer: cannot write %s\n", (corpus / seed.file).c_str());
                return 1;
            }
        }
    }
    return 0;
}
