#include "sources/felt_temperature.h"

#include <gtest/gtest.h>

#include "support/units_of.h"

namespace skycrier {
namespace {

using test::unitsOf;

TEST(FeltTemperature, MatchesEachFormulaAndItsTableWhateverWindUnitIsChosen) {
    // Wind in the formula's own unit (km/h for °C, mph for °F); `exact` from
    // the published formula, `table` the published whole degree (Environment
    // Canada's wind-chill index, the National Weather Service's chart).
    const struct {
        bool celsius;
        double air, wind, exact, table;
    } cases[] = {
        {.celsius = true, .air = 0, .wind = 20, .exact = -5.24, .table = -5},
        {.celsius = true, .air = -10, .wind = 30, .exact = -19.52, .table = -20},
        {.celsius = true, .air = 5, .wind = 10, .exact = 2.66, .table = 3},
        {.celsius = true, .air = -20, .wind = 30, .exact = -32.57, .table = -33},
        {.celsius = true, .air = -40, .wind = 60, .exact = -64.17, .table = -64},
        {.celsius = false, .air = 30, .wind = 15, .exact = 19.03, .table = 19},
        {.celsius = false, .air = 0, .wind = 20, .exact = -22.00, .table = -22},
        {.celsius = false, .air = 40, .wind = 5, .exact = 36.47, .table = 36},
        {.celsius = false, .air = -10, .wind = 20, .exact = -35.11, .table = -35},
        {.celsius = false, .air = -20, .wind = 60, .exact = -61.98, .table = -62},
    };
    for (const auto& c : cases)
        for (const bool kmh : {true, false}) {
            const SpeechUnits u = unitsOf(c.celsius, kmh);
            // The same wind as the user hears it, in the chosen unit.
            const double heard = c.celsius ? c.wind * u.WindFactor : c.wind / kMphPerKmh * u.WindFactor;
            const double felt = feltTemperature(c.air, heard, u);
            EXPECT_NEAR(felt, c.exact, 0.005) << c.air << " " << c.wind << (kmh ? " km/h" : " mph");
            EXPECT_NEAR(felt, c.table, 0.5) << c.air << " " << c.wind << (kmh ? " km/h" : " mph");
        }
}

TEST(FeltTemperature, IsNeverAboveTheAirTemperature) {
    // Warm air, where the formulas would give 26.7 °C and 80.1 °F.
    EXPECT_EQ(feltTemperature(25, 6, unitsOf(true, true)), 25);
    EXPECT_EQ(feltTemperature(77, 4, unitsOf(false, false)), 77);
    // Still cold enough to feel colder: the formula's value.
    EXPECT_NEAR(feltTemperature(8, 20 * kMphPerKmh, unitsOf(true, false)), 4.85, 0.005);
}

}  // namespace
}  // namespace skycrier
