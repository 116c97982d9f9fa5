#include "platform/date_time.h"

#include <gtest/gtest.h>

namespace skycrier {
namespace {

TEST(DateTime, EpochAndKnownDays) {
    EXPECT_EQ(encodeDateTime(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDateTime(1900, 1, 1, 1, 0, 0), 2.0 + 1.0 / 24);
    EXPECT_EQ(encodeDateTime(2026, 12, 7), 46363.0);
    EXPECT_DOUBLE_EQ(encodeDateTime(2026, 12, 7, 18, 0, 0), 46363.75);
}

TEST(DateTime, DecodeRoundTripsWithWeekday) {
    const DateTimeFields f = decodeDateTime(encodeDateTime(2024, 2, 29, 23, 59, 59, 999));
    EXPECT_EQ(f.year, 2024);
    EXPECT_EQ(f.month, 2);
    EXPECT_EQ(f.day, 29);
    EXPECT_EQ(f.hour, 23);
    EXPECT_EQ(f.minute, 59);
    EXPECT_EQ(f.second, 59);
    EXPECT_EQ(f.millisecond, 999);
    EXPECT_EQ(f.dayOfWeek, 5);  // Thursday
    EXPECT_EQ(decodeDateTime(encodeDateTime(2026, 12, 6)).dayOfWeek, 1);
    EXPECT_EQ(decodeDateTime(0).dayOfWeek, 7);
}

TEST(DateTime, ParseAcceptsOnlyRealMomentsInTheFixedForm) {
    ASSERT_TRUE(parseDateTime("2026-12-07 14:05:00"));
    EXPECT_EQ(formatDateTime(*parseDateTime("2026-12-07 14:05:00")), "2026-12-07 14:05:00");
    EXPECT_FALSE(parseDateTime("2026-02-30 10:00:00"));
    // Years 1 to 9999, as every station reader takes them.
    EXPECT_FALSE(parseDateTime("0000-01-01 00:00:00"));
    ASSERT_TRUE(parseDateTime("0001-01-01 00:00:00"));
    EXPECT_EQ(formatDateTime(*parseDateTime("0001-01-01 00:00:00")), "0001-01-01 00:00:00");
    ASSERT_TRUE(parseDateTime("9999-12-31 23:59:59"));
    EXPECT_EQ(formatDateTime(*parseDateTime("9999-12-31 23:59:59")), "9999-12-31 23:59:59");
    EXPECT_FALSE(parseDateTime("2026-12-07 24:00:00"));
    EXPECT_FALSE(parseDateTime("2026-12-07T14:05:00"));
    EXPECT_FALSE(parseDateTime("2026-12-07 14:05"));
    EXPECT_FALSE(parseDateTime(""));
}

}  // namespace
}  // namespace skycrier
