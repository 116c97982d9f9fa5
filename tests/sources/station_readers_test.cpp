// The station-file readers on bytes as the stations write them: values come
// out in the station's own units, untouched by the speech units, and a
// number the station spoilt is passed on for the presenter to refuse.

#include <cmath>

#include <gtest/gtest.h>

#include "platform/date_time.h"
#include "sources/pro2_reader.h"
#include "sources/ws23_reader.h"
#include "sources/ws28_reader.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

const double kNewest = encodeDateTime(2026, 3, 10, 11, 40, 0);

TEST(StationReaders, Ws23TakesTheNewestRecordAndTheOlderOnesItsDerivedValuesNeed) {
    test::Ws23Record base;
    base.wind = 2;
    auto records = test::ws23Series(70, kNewest, 25, base);  // b - 3 is an hour back, b - 58 a day
    const std::size_t b = records.size() - 1;
    records[b] = {kNewest, 1013.5f, 5, 35, 12.5f, 21.25f, NAN, 45, -1};
    records[b - 3].pressure = 1011;
    records[b - 4].wind = 7.5f;
    records[b - 58].rain = 10;
    test::TempDir dir;
    const Ws23Reading r = readWs23History(dir.write("history.dat", test::ws23File(records)));

    EXPECT_NEAR(r.time, kNewest, 1e-9);
    EXPECT_NEAR(r.spacing * 24 * 60, 25, 1e-6);
    EXPECT_EQ(r.tempIn, 21.25);
    EXPECT_TRUE(std::isnan(r.tempOut));
    EXPECT_EQ(r.pressure, 1013.5);
    EXPECT_EQ(r.pressureHourBefore, 1011);
    EXPECT_EQ(r.wind, 5);
    ASSERT_EQ(r.earlierWinds.size(), 9u);
    EXPECT_EQ(r.earlierWinds[3], 7.5) << "newer first";
    EXPECT_EQ(r.directionCode, 3) << "35 keeps its low five bits";
    EXPECT_EQ(r.humidityIn, 45);
    EXPECT_EQ(r.humidityOut, -1);
    EXPECT_EQ(r.rain, 12.5);
    EXPECT_EQ(r.rainDayBefore, 10);

    const Ws23Reading two = readWs23History(dir.write("two.dat", test::ws23File(test::ws23Series(2, kNewest, 5))));
    EXPECT_EQ(two.spacing, 0);
    EXPECT_FALSE(two.pressureHourBefore);
    EXPECT_TRUE(two.earlierWinds.empty()) << "record 0 never counts";
    EXPECT_FALSE(two.rainDayBefore);
}

TEST(StationReaders, Ws28SumsTheRainOfADayAndReadsThePressureAskedFor) {
    test::Ws28Record base;
    base.rain = 0.5f;
    // Seven minutes apart: b - 9 is the hour back, b - 205 the last within a day.
    auto records = test::ws28Series(300, kNewest, 7, base);
    const std::size_t b = records.size() - 1;
    records[b].gust = 9;
    records[b].humOut = 72.5f;
    records[b - 9].absolutePressure = 1009;
    test::TempDir dir;
    const std::string path = dir.write("history.dat", test::ws28File(records));

    const Ws28Reading absolute = readWs28History(path, true);
    EXPECT_EQ(absolute.pressure, 1013);
    EXPECT_EQ(absolute.pressureHourBefore, 1009);
    EXPECT_EQ(absolute.gust, 9);
    EXPECT_EQ(absolute.humidityOut, 72.5);
    EXPECT_DOUBLE_EQ(absolute.dayRain, 0.5 * 206);
    EXPECT_EQ(readWs28History(path, false).pressure, 1020);
}

TEST(StationReaders, Pro2GivesRawUnitsAndTheCollectorsClickSize) {
    // Half-hourly archive records: the oldest is the hour back.
    test::WlkRecord oldest;
    oldest.minutes = 10 * 60;
    oldest.barometer = 29800;
    oldest.rainClicks = 1;
    test::WlkRecord older = oldest;
    older.minutes = 10 * 60 + 30;
    older.barometer = 29850;
    older.rainClicks = 2;
    test::WlkRecord newest = older;
    newest.minutes = 11 * 60;
    newest.barometer = 29920;
    newest.rainClicks = 3;
    newest.tempOut = -125;
    newest.wind = 123;
    newest.direction = 255;
    test::TempDir dir;
    const std::string path = dir.write("2026-03.wlk", test::wlkFile(test::withDailySummaries({oldest, older, newest})));

    const Pro2Reading r = readPro2Archive(path, archiveMonthOfName("2026-03.wlk"));
    EXPECT_EQ(r.periodEnd, encodeDateTime(2026, 3, 1, 11, 0));
    EXPECT_EQ(r.tempOut, -125);
    EXPECT_EQ(r.barometer, 29920);
    EXPECT_TRUE(r.reachesHourBack);
    EXPECT_EQ(r.barometerHourBefore, 29800);
    EXPECT_EQ(r.wind, 123);
    EXPECT_EQ(r.directionCode, 255);
    EXPECT_EQ(r.rainClicks, 6);
    EXPECT_EQ(r.clickSize, 0.254);

    const ArchiveMonth none = archiveMonthOfName("current.wlk");
    EXPECT_FALSE(none.year || none.month);
}

}  // namespace
}  // namespace skycrier
