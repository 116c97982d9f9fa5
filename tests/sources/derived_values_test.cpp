#include "sources/derived_values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skycrier {
namespace {

SpeechUnits unitsOf(bool celsius, bool kmh) {
    SpeechUnits u;
    u.setTemperatureMetric(celsius);
    u.setWindMetric(kmh);
    return u;
}

TEST(WindChill, EachFormulaGetsTheWindUnitItWasMadeFor) {
    const double metric = windChill(-5, 20, unitsOf(true, true));
    EXPECT_NEAR(metric, std::pow(20, 0.16) * (0.3965 * -5 - 11.37) + 0.6215 * -5 + 13.12, 1e-12);
    const double imperial = windChill(23, 20 * 0.6213712, unitsOf(false, false));
    EXPECT_NEAR(imperial, std::pow(20 * 0.6213712, 0.16) * (0.4275 * 23 - 35.75) + 0.6215 * 23 + 35.74, 1e-12);

    // °C with the wind in mph: the same felt temperature as with km/h.
    EXPECT_NEAR(windChill(-5, 20 * 0.6213712, unitsOf(true, false)), metric, 1e-9);
    // °F with the wind in km/h: the same as with mph.
    EXPECT_NEAR(windChill(23, 20, unitsOf(false, true)), imperial, 1e-9);
}

TEST(DewPoint, CelsiusFahrenheitAndTheLimits) {
    const SpeechUnits metric;
    EXPECT_NEAR(dewPoint(20, 50, metric), std::pow(0.5, 0.125) * (0.9 * 20 + 112) + 2 - 112, 1e-12);
    EXPECT_NEAR(dewPoint(20 * 1.8 + 32, 50, unitsOf(false, true)), dewPoint(20, 50, metric) * 1.8 + 32, 1e-9);
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
}

TEST(StationValues, NotANumberFailsThePoll) {
    EXPECT_THROW(finiteOrFail(std::nan("")), PollFailure);
    EXPECT_THROW(finiteOrFail(-INFINITY), PollFailure);
    EXPECT_EQ(finiteOrFail(3.5), 3.5);
}

}  // namespace
}  // namespace skycrier
