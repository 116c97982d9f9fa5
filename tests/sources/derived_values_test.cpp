#include "sources/derived_values.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "support/units_of.h"

namespace skycrier {
namespace {

using test::unitsOf;

TEST(DewPoint, MatchesDewPointTablesInCelsiusAndFahrenheit) {
    // Tables give tenths of a degree, and the formula the stations use is an
    // approximation good to about a tenth in this range.
    constexpr double kTolerance = 0.15;
    const struct {
        double celsius, humidity, table;
    } cases[] = {
        {.celsius = 20, .humidity = 50, .table = 9.3},
        {.celsius = 30, .humidity = 60, .table = 21.4},
        {.celsius = 10, .humidity = 80, .table = 6.7},
        {.celsius = 25, .humidity = 40, .table = 10.5},
        {.celsius = 0, .humidity = 90, .table = -1.4},
        {.celsius = 15, .humidity = 100, .table = 15.0},
    };
    const SpeechUnits metric;
    for (const auto& c : cases) {
        EXPECT_NEAR(dewPoint(c.celsius, c.humidity, metric), c.table, kTolerance) << c.celsius << " " << c.humidity;
        EXPECT_NEAR(dewPoint(c.celsius * 1.8 + 32, c.humidity, unitsOf(false, true)), c.table * 1.8 + 32,
                    kTolerance * 1.8)
            << c.celsius << " " << c.humidity;
    }
    // Dry air still has a (formula's) dew point; a negative humidity fails the poll.
    EXPECT_DOUBLE_EQ(dewPoint(10, 0, metric), 1 - 112.0);
    EXPECT_THROW(dewPoint(10, -1, metric), PollFailure);
}

TEST(Tendency, ThresholdIsStrictAndLargeChangesAreNotBelieved) {
    SpeechUnits u;
    EXPECT_EQ(tendencyClass(0.4, 0.4, u), 0);
    EXPECT_EQ(tendencyClass(0.41, 0.4, u), 1);
    EXPECT_EQ(tendencyClass(-0.41, 0.4, u), 2);
    EXPECT_EQ(tendencyClass(49.9, 0.4, u), 1);
    EXPECT_EQ(tendencyClass(50, 0.4, u), 0);
    EXPECT_EQ(tendencyClass(-50, 0.4, u), 0);
    u.setPressureMetric(false);
    EXPECT_EQ(tendencyClass(0.0041, 0.4, u), 1);
    EXPECT_EQ(tendencyClass(1.47, 0.4, u), 1);
    EXPECT_EQ(tendencyClass(1.48, 0.4, u), 0);  // 50 hPa in inHg
    EXPECT_EQ(tendencyCaption(0), "Tendencia: variable");
    EXPECT_EQ(tendencyCaption(1), "Tendencia: creciente");
    EXPECT_EQ(tendencyCaption(2), "Tendencia: decreciente");
}

TEST(Fixed, DecimalsAndNoNegativeZero) {
    EXPECT_EQ(fixed(2.25, 1), "2.2");
    EXPECT_EQ(fixed(-0.04, 1), "0.0");
    EXPECT_EQ(fixed(-0.4, 0), "0");
    EXPECT_EQ(fixed(-1.5, 0), "-2");
    EXPECT_EQ(fixed(1013, 1), "1013.0");
    EXPECT_EQ(fixed(0.098425, 2), "0.10");
    // A station's garbage shows in full: every digit of the largest doubles.
    const std::string huge = fixed(1e300, 2);
    EXPECT_EQ(huge.size(), 301u + 3u);
    EXPECT_EQ(huge.rfind("1000000000000000052504760255204420248704468581108159", 0), 0u);
    EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
    const std::string lowest = fixed(-DBL_MAX, 1);
    EXPECT_EQ(lowest.size(), 1u + 309u + 2u);
    EXPECT_EQ(lowest.rfind("-17976931348623157", 0), 0u);
}

TEST(StationValues, NotANumberFailsThePoll) {
    EXPECT_THROW(finiteOrFail(std::nan("")), PollFailure);
    EXPECT_THROW(finiteOrFail(-INFINITY), PollFailure);
    EXPECT_EQ(finiteOrFail(3.5), 3.5);
}

}  // namespace
}  // namespace skycrier
