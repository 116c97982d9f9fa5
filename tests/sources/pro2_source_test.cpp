#include "sources/pro2_source.h"

#include "sources/source_fixture.h"

namespace skycrier {
namespace {

using test::WlkRecord;

// Days 1 to 7 with one archive record each, day 8 whole (48 half-hours) and
// day 9 up to noon: the newest record is day 9, 12:00.
std::vector<WlkRecord> typicalMonth() {
    std::vector<WlkRecord> archive;
    WlkRecord r;
    r.rainClicks = 1;
    r.wind = 100;
    r.highWind = 150;
    r.direction = 5;
    for (int day = 1; day <= 7; ++day) {
        r.day = day;
        r.minutes = 1440;
        archive.push_back(r);
    }
    for (int day = 8; day <= 9; ++day) {
        r.day = day;
        for (int half = 1; half <= (day == 8 ? 48 : 24); ++half) {
            r.minutes = static_cast<std::uint16_t>(half * 30);
            archive.push_back(r);
        }
    }
    archive[archive.size() - 49].rainClicks = 50;  // a day older: not counted
    archive[archive.size() - 3].barometer = 29800;
    WlkRecord& newest = archive.back();
    newest.tempIn = 700;
    newest.humOut = 805;
    return test::withDailySummaries(archive);
}

class Pro2Test : public test::SourceFixture {
protected:
    Pro2Source& w = stations.pro2Source;

    void poll(const std::vector<WlkRecord>& records, const std::string& name = "2026-03.wlk") {
        w.loadDataFile(dir.write(name, test::wlkFile(records)));
        w.poll();
    }
    // One archive record on day 1 after its summaries.
    void pollOne(const WlkRecord& record) { poll(test::withDailySummaries({record})); }
};

TEST_F(Pro2Test, MetricCaptionsAndRecord) {
    poll(typicalMonth());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°C) = 21.1");
    EXPECT_EQ(w.boxes().outsideTemperatureBox.caption, "T-ext (°C) = 10.0");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (hPa) = 1013.0");
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: creciente");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (km/h) = 16");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (km/h) = 24");
    EXPECT_EQ(w.boxes().directionBox.caption, "Dirección (°) = 112");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) = 7.8");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = 12.2");
    EXPECT_EQ(w.boxes().humidityBox.caption, "Humidad (%) = 80");
    EXPECT_EQ(w.insideHumidityCaption().caption, "Humidad-int (%) = 45");
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°C) = 6.8");
    EXPECT_EQ(w.observationTime().caption, "2026-03-09 12:00:00");
    EXPECT_EQ(w.poller().errorLine(), "");
    EXPECT_DOUBLE_EQ(w.meteo().ObservedAt, encodeDateTime(2026, 3, 9, 12, 0));
    EXPECT_DOUBLE_EQ(w.meteo().HumiExt, 80.5);
    EXPECT_NEAR(w.meteo().Pluie, 48 * 0.254, 1e-9);
    EXPECT_NEAR(w.meteo().Patm, 29.92 * 33.8582, 1e-9);
}

TEST_F(Pro2Test, ImperialCaptions) {
    imperial();
    poll(typicalMonth());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°F) = 70.0");
    EXPECT_EQ(w.boxes().outsideTemperatureBox.caption, "T-ext (°F) = 50.0");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (inHg) = 29.91");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (mph) = 10");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (mph) = 15");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°F) = 46.0");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (inch) = 0.48");
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°F) = 44.2");
}

TEST_F(Pro2Test, MidnightEndsTheDayAndShowsItsTime) {
    WlkRecord r;
    r.day = 9;
    r.minutes = 1440;
    std::vector<WlkRecord> archive;
    for (int day = 1; day <= 9; ++day) {
        r.day = day;
        archive.push_back(r);
    }
    poll(test::withDailySummaries(archive));
    EXPECT_DOUBLE_EQ(w.meteo().ObservedAt, encodeDateTime(2026, 3, 10, 0, 0));
    EXPECT_EQ(w.observationTime().caption, "2026-03-10 00:00");
}

TEST_F(Pro2Test, TheNewestDayIsTheLastBeforeTheFirstEmptyOne) {
    std::vector<WlkRecord> archive;
    WlkRecord r;
    r.minutes = 600;
    for (const int day : {1, 2, 3, 4, 6, 7, 8, 9}) {
        r.day = day;
        archive.push_back(r);
    }
    poll(test::withDailySummaries(archive));
    EXPECT_EQ(w.observationTime().caption, "2026-03-04 10:00:00");

    for (int day = 1; day <= 31; ++day) {
        r.day = day;
        archive.push_back(r);
    }
    poll(test::withDailySummaries(archive));
    EXPECT_EQ(w.observationTime().caption, "2026-03-31 10:00:00");
}

TEST_F(Pro2Test, DayZeroIsNoDate) {
    WlkRecord r;
    r.day = 2;  // day 1 has no records
    pollOne(r);
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(w.poller().enabled());
}

TEST_F(Pro2Test, IntervalZeroHasNoTendencyAndOneRecordOfRain) {
    WlkRecord r;
    r.interval = 0;
    r.rainClicks = 37;
    r.collector = 0x10;
    pollOne(r);
    EXPECT_EQ(w.meteo().Tend, 0);
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: variable");
    EXPECT_NEAR(w.meteo().Pluie, 9.398, 1e-9);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = 9.4");
}

TEST_F(Pro2Test, RainClickSizesAndUnknownCollector) {
    WlkRecord r;
    r.interval = 0;
    r.rainClicks = 3;
    const std::pair<std::uint8_t, double> kSizes[] = {{0x00, 7.62}, {0x20, 0.6}, {0x30, 3}, {0x60, 0.3}};
    for (const auto& [collector, mm] : kSizes) {
        r.collector = collector;
        pollOne(r);
        EXPECT_NEAR(w.meteo().Pluie, mm, 1e-9);
    }
    r.collector = 0x40;
    pollOne(r);
    EXPECT_EQ(w.meteo().Pluie, -1);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = --");
}

TEST_F(Pro2Test, DirectionWithoutSensorAndColdTemperature) {
    WlkRecord r;
    r.direction = 255;
    r.tempOut = -100;
    pollOne(r);
    EXPECT_EQ(w.meteo().Dire, -1);
    EXPECT_EQ(w.boxes().directionBox.caption, "Dirección (°) = --");
    EXPECT_EQ(w.boxes().outsideTemperatureBox.caption, "T-ext (°C) = -23.3");
    r.direction = 1;
    pollOne(r);
    EXPECT_EQ(w.meteo().Dire, 22);
}

TEST_F(Pro2Test, FeltTemperatureNeedsAGustOfFive) {
    WlkRecord r;
    r.wind = 37;      // 6 km/h
    r.highWind = 25;  // 4 km/h
    pollOne(r);
    EXPECT_EQ(w.meteo().TRes, -200);
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) = --");
}

TEST_F(Pro2Test, TendencyWithoutAnEarlierArchiveRecordKeepsItsCaption) {
    poll(typicalMonth());
    EXPECT_EQ(w.meteo().Tend, 1);
    WlkRecord r;
    r.interval = 60;
    r.barometer = 29000;
    pollOne(r);  // the record an hour older is a daily summary, and so is the one before it
    EXPECT_EQ(w.meteo().Tend, 0);
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: creciente");
}

TEST_F(Pro2Test, RefusedFiles) {
    pollOne({});
    const auto refused = [&](const std::string& name, const std::string& content) {
        w.loadDataFile(dir.write(name, content));
        w.poll();
        EXPECT_EQ(w.poller().errorLine(), "Error archivo") << name;
        EXPECT_TRUE(w.poller().enabled()) << name;
    };
    refused("2026-03.WLK", test::wlkFile(test::withDailySummaries({WlkRecord{}})));
    refused("2026-03.wlk", test::wlkFile(test::withDailySummaries({WlkRecord{}})).substr(0, 300));
    refused("2026-03.wlk", std::string(100, '\0'));
    WlkRecord summary;
    summary.type = 2;
    refused("2026-03.wlk", test::wlkFile({summary, summary}));
    refused("current.wlk", test::wlkFile(test::withDailySummaries({WlkRecord{}})));
    pollOne({});
    EXPECT_EQ(w.poller().errorLine(), "");  // a good poll clears the error
}

TEST_F(Pro2Test, FollowsTheCurrentMonthsFile) {
    poll(typicalMonth(), "2026-02.wlk");
    EXPECT_EQ(w.path(), (dir.path() / "2026-02.wlk").string());  // March's file is not there yet
    EXPECT_EQ(w.observationTime().caption, "2026-02-09 12:00:00");

    WlkRecord r;
    r.minutes = 60;
    dir.write("2026-03.wlk", test::wlkFile(test::withDailySummaries({r})));
    w.poll();
    EXPECT_EQ(w.path(), (dir.path() / "2026-03.wlk").string());
    EXPECT_EQ(w.inputLine(), w.path());
    EXPECT_EQ(w.observationTime().caption, "2026-03-01 01:00:00");

    w.followCurrentMonth(false);
    w.loadDataFile((dir.path() / "2026-02.wlk").string());
    w.poll();
    EXPECT_EQ(w.observationTime().caption, "2026-02-09 12:00:00");
}

// Each day's records numbered 1.. at `interval` minutes, one rain click each.
std::vector<WlkRecord> days(std::initializer_list<std::pair<int, int>> dayAndCount, std::uint8_t interval) {
    std::vector<WlkRecord> archive;
    WlkRecord r;
    r.interval = interval;
    r.rainClicks = 1;
    for (const auto& [day, count] : dayAndCount) {
        r.day = day;
        for (int i = 1; i <= count; ++i) {
            r.minutes = static_cast<std::uint16_t>(i * interval);
            archive.push_back(r);
        }
    }
    return archive;
}

// The newest records are the last ones the header counts, wherever the day
// index points and however many records a day holds.
TEST_F(Pro2Test, ArchivesReadFromTheirNewestRecords) {
    const auto withStarts = [](std::string bytes, std::uint32_t start) {
        for (int d = 0; d < 32; ++d)
            for (int i = 0; i < 4; ++i) bytes[20 + 6 * d + 2 + i] = static_cast<char>(start >> (8 * i));
        return bytes;
    };
    // One-minute records: a day of rain spans blocks read apart.
    auto minutes = days({{1, 1440}, {2, 600}}, 1);
    minutes[599].rainClicks = 50;  // day 1, 10:00: a day older than the newest
    minutes[minutes.size() - 61].barometer = 29800;
    // Day 2 holds only its summaries.
    auto summariesOnly = test::withDailySummaries(days({{1, 48}}, 30));
    for (const std::uint8_t type : {2, 3}) {
        WlkRecord summary;
        summary.day = 2;
        summary.type = type;
        summariesOnly.push_back(summary);
    }
    const struct {
        const char* what;
        std::string bytes;
        const char* shown;
        double pluie;
        int tend;
    } cases[] = {
        {.what = "index starts past the end",
         .bytes = withStarts(test::wlkFile(typicalMonth()), 0xFFFFFFF0),
         .shown = "2026-03-09 12:00:00", .pluie = 48 * 0.254, .tend = 1},
        {.what = "index starts at the first record",
         .bytes = withStarts(test::wlkFile(typicalMonth()), 0),
         .shown = "2026-03-09 12:00:00", .pluie = 48 * 0.254, .tend = 1},
        {.what = "a day of one-minute records",
         .bytes = test::wlkFile(test::withDailySummaries(minutes)),
         .shown = "2026-03-02 10:00:00", .pluie = 1440 * 0.254, .tend = 1},
        {.what = "the newest day without archive records",
         .bytes = test::wlkFile(summariesOnly),
         .shown = "2026-03-03 00:00", .pluie = 48 * 0.254, .tend = 0},
        {.what = "a day without records between two",
         .bytes = test::wlkFile(test::withDailySummaries(days({{1, 30}, {3, 30}}, 30))),
         .shown = "2026-03-01 15:00:00", .pluie = 48 * 0.254, .tend = 0},
    };
    for (const auto& c : cases) {
        w.loadDataFile(dir.write("2026-03.wlk", c.bytes));
        w.poll();
        EXPECT_EQ(w.poller().errorLine(), "") << c.what;
        EXPECT_EQ(w.observationTime().caption, c.shown) << c.what;
        EXPECT_NEAR(w.meteo().Pluie, c.pluie, 1e-9) << c.what;
        EXPECT_EQ(w.meteo().Tend, c.tend) << c.what;
    }
}

TEST_F(Pro2Test, NeutralCaptionsCarryTheUnits) {
    w.takeChosenFile((dir.path() / "2026-01.wlk").string());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°C) = ");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) =");
    EXPECT_EQ(w.boxes().humidityBox.caption, "Humidad (%) = ");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) =");
}

}  // namespace
}  // namespace skycrier
