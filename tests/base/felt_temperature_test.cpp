#include "base/felt_temperature.h"

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
        double t, wind, exact, table;
    } cases[] = {
        {true, 0, 20, -5.24, -5},     {true, -10, 30, -19.52, -20}, {true, 5, 10, 2.66, 3},
        {true, -20, 30, -32.57, -33}, {true, -40, 60, -64.17, -64}, {false, 30, 15, 19.03, 19},
        {false, 0, 20, -22.00, -22},  {false, 40, 5, 36.47, 36},    {false, -10, 20, -35.11, -35},
        {false, -20, 60, -61.98, -62},
    };
    for (const auto& c : cases)
        for (const bool kmh : {true, false}) {
            const SpeechUnits u = unitsOf(c.celsius, kmh);
            // The same wind as the user hears it, in the chosen unit.
            const double heard = c.celsius ? c.wind * u.WindFactor : c.wind / kMphPerKmh * u.WindFactor;
            const double felt = feltTemperature(c.t, heard, u);
            EXPECT_NEAR(felt, c.exact, 0.005) << c.t << " " << c.wind << (kmh ? " km/h" : " mph");
            EXPECT_NEAR(felt, c.table, 0.5) << c.t << " " << c.wind << (kmh ? " km/h" : " mph");
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
