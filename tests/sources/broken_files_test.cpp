// Whatever bytes a station file holds, a poll ends: with values and a time
// shown, or with "Error archivo" and a beep, and with its timer running again.

#include <cmath>
#include <filesystem>
#include <random>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "app/source_models.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

enum class Station { W23, W28, Pro2 };

// What the user sees of one poll.
struct Seen {
    std::string error;
    int beeps = 0;
    bool timerRunning = false;

    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{\"" << s.error << "\", beeps " << s.beeps << ", timer " << s.timerRunning << "}";
}

const Seen kGood{.error = "", .beeps = 0, .timerRunning = true};
const Seen kBroken{.error = "Error archivo", .beeps = 1, .timerRunning = true};

// The sources of a fresh program, for one poll each.
struct Poller {
    Poller() { stations.context.beep = [this] { ++beeps; }; }

    HistorySource& window(Station station) {
        switch (station) {
        case Station::W23: return stations.ws23Source;
        case Station::W28: return stations.ws28Source;
        case Station::Pro2: return stations.pro2Source;
        }
        return stations.ws23Source;
    }

    // The file as a configuration line names it, then one poll.
    Seen poll(Station station, const std::string& name, const std::string& bytes) {
        HistorySource& w = window(station);
        w.loadDataFile(dir.write(name, bytes));
        w.poll();
        return {w.poller().errorLine(), beeps, w.poller().enabled()};
    }

    VirtualLoop loop{encodeDateTime(2026, 3, 10, 12, 0, 0)};
    SpeechUnits units;
    SourceModels stations{loop, units};
    test::TempDir dir;
    int beeps = 0;
};

const double kNewest = encodeDateTime(2026, 3, 10, 11, 55, 0);

std::string ws23(void (*change)(test::Ws23Record&)) {
    auto records = test::ws23Series(3, kNewest, 5);
    change(records.back());
    return test::ws23File(records);
}

std::string ws28(void (*change)(test::Ws28Record&)) {
    auto records = test::ws28Series(3, kNewest, 5);
    change(records.back());
    return test::ws28File(records);
}

std::string wlk(void (*change)(test::WlkRecord&)) {
    test::WlkRecord record;  // day 1, the day index's only day
    record.minutes = 11 * 60 + 30;
    change(record);
    return test::wlkFile(test::withDailySummaries({record}));
}

std::string withRecordCount(std::string bytes, std::uint32_t count) {
    for (int i = 0; i < 4; ++i) bytes[16 + i] = static_cast<char>(count >> (8 * i));
    return bytes;
}

TEST(BrokenFilesTest, EachBrokenFileShowsTheFileError) {
    const struct {
        const char* what;
        Station station;
        std::string name;
        std::string bytes;
        Seen seen;
    } cases[] = {
        {"good", Station::W23, "history.dat", ws23([](auto&) {}), kGood},
        {"empty", Station::W23, "history.dat", "", kBroken},
        {"less than a record", Station::W23, "history.dat", std::string(35, '\0'), kBroken},
        {"bytes past the last record", Station::W23, "history.dat", ws23([](auto&) {}) + "tail", kGood},
        {"temperature not a number", Station::W23, "history.dat", ws23([](auto& r) { r.tempOut = NAN; }), kBroken},
        {"negative humidity", Station::W23, "history.dat", ws23([](auto& r) { r.humOut = -1; }), kBroken},
        {"good", Station::W28, "history.dat", ws28([](auto&) {}), kGood},
        {"empty", Station::W28, "history.dat", "", kBroken},
        {"less than a record", Station::W28, "history.dat", std::string(55, '\0'), kBroken},
        {"time beyond year 9999", Station::W28, "history.dat", ws28([](auto& r) { r.time = 1e10; }), kBroken},
        {"pressure infinite", Station::W28, "history.dat",
         ws28([](auto& r) { r.absolutePressure = INFINITY; }), kBroken},
        {"good", Station::Pro2, "2026-03.wlk", wlk([](auto&) {}), kGood},
        {"empty", Station::Pro2, "2026-03.wlk", "", kBroken},
        {"short header", Station::Pro2, "2026-03.wlk", std::string(211, '\0'), kBroken},
        {"no records", Station::Pro2, "2026-03.wlk", withRecordCount(wlk([](auto&) {}), 0), kBroken},
        {"more records announced than held", Station::Pro2, "2026-03.wlk",
         withRecordCount(wlk([](auto&) {}), 0xFFFFFFFF), kBroken},
        {"only summaries", Station::Pro2, "2026-03.wlk", wlk([](auto& r) { r.type = 2; }), kBroken},
        {"minute 25:00", Station::Pro2, "2026-03.wlk", wlk([](auto& r) { r.minutes = 1500; }), kBroken},
        {"month 13 in the name", Station::Pro2, "2026-13.wlk", wlk([](auto&) {}), kBroken},
        {"not named .wlk", Station::Pro2, "2026-03.dat", wlk([](auto&) {}), kBroken},
    };
    for (const auto& c : cases) {
        Poller poller;
        EXPECT_EQ(poller.poll(c.station, c.name, c.bytes), c.seen) << c.name << ": " << c.what;
    }
}

TEST(BrokenFilesTest, AGoodPollShowsTheTimeOfItsData) {
    const std::tuple<Station, const char*, std::string, const char*> files[] = {
        {Station::W23, "history.dat", ws23([](auto&) {}), "2026-03-10 11:55:00"},
        {Station::W28, "history.dat", ws28([](auto&) {}), "2026-03-10 11:55:00"},
        {Station::Pro2, "2026-03.wlk", wlk([](auto&) {}), "2026-03-01 11:30:00"},  // day 1 of the month's file
    };
    for (const auto& [station, name, bytes, shown] : files) {
        Poller poller;
        ASSERT_EQ(poller.poll(station, name, bytes), kGood) << name;
        EXPECT_EQ(poller.window(station).observationTime().caption, shown);
    }
}

TEST(BrokenFilesTest, AFolderInPlaceOfTheFileIsAMissingFile) {
    for (const Station station : {Station::W23, Station::W28, Station::Pro2}) {
        Poller poller;
        HistorySource& w = poller.window(station);
        std::filesystem::create_directory(poller.dir.path() / "2026-03.wlk");
        const std::string configured = (poller.dir.path() / "2026-03.wlk").string();
        w.loadDataFile(configured);
        w.poll();
        EXPECT_EQ(w.poller().errorLine(), "Error de archivo");
        EXPECT_EQ(w.path(), configured);
        EXPECT_TRUE(w.poller().enabled());
    }
}

TEST(BrokenFilesTest, RandomBytesEndEveryPollWithValuesOrTheFileError) {
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto garbage = [&](std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        return bytes;
    };
    for (const std::size_t size : {0u, 1u, 35u, 36u, 56u, 211u, 212u, 300u, 2000u, 20000u}) {
        for (int round = 0; round < 5; ++round) {
            for (const Station station : {Station::W23, Station::W28, Station::Pro2}) {
                std::string bytes = garbage(size);
                // A record count that fits the size, so that the records are read too.
                if (station == Station::Pro2 && size >= 212)
                    bytes = withRecordCount(bytes, static_cast<std::uint32_t>((size - 212) / 88));
                Poller poller;
                const Seen seen = poller.poll(station, "2026-03.wlk", bytes);
                EXPECT_TRUE(seen == kGood || seen == kBroken) << seen << " for " << size << " bytes";
            }
        }
    }
}

}  // namespace
}  // namespace skycrier
