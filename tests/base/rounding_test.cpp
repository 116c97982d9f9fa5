#include "base/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "base/decimal_integer.h"
#include "base/meteo_data.h"
#include "base/text_lines.h"

namespace skycrier {
namespace {

TEST(Rounding, TiesGoToTheEvenNeighbourAndNothingBeyondInt) {
    const struct {
        double value;
        std::optional<int> rounded;
    } cases[] = {
        {72.5, 72}, {73.5, 74}, {-2.5, -2}, {4.51, 5}, {2147483647.4, 2147483647}, {-2147483648.4, -2147483647 - 1},
        {2147483647.5, std::nullopt}, {1e30, std::nullopt}, {-1e30, std::nullopt},
        {NAN, std::nullopt}, {INFINITY, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

TEST(Rounding, TruncationChecksTheTargetRange) {
    EXPECT_EQ(truncateTo<std::int8_t>(127.9), 127);
    EXPECT_EQ(truncateTo<std::int8_t>(-128.9), -128);
    EXPECT_EQ(truncateTo<std::int8_t>(225), std::nullopt);
    EXPECT_EQ(truncateTo<std::uint32_t>(-0.5), 0u);
    EXPECT_EQ(truncateTo<std::uint32_t>(-1), std::nullopt);
    EXPECT_EQ(truncateTo<std::uint32_t>(5e10), std::nullopt);
    EXPECT_EQ(truncateTo<std::int32_t>(NAN), std::nullopt);
}

TEST(MeteoDataValues, EachFieldTakesOnlyWhatItCanHold) {
    const struct {
        MeteoField field;
        double value;
        bool taken;
    } cases[] = {
        {.field = MeteoField::Text, .value = 1e30, .taken = true},
        {.field = MeteoField::Text, .value = NAN, .taken = false},
        {.field = MeteoField::Patm, .value = -INFINITY, .taken = false},
        {.field = MeteoField::Tend, .value = 127, .taken = true},
        {.field = MeteoField::Tend, .value = -128, .taken = true},
        {.field = MeteoField::Tend, .value = 225, .taken = false},
        {.field = MeteoField::Tend, .value = 1.5, .taken = false},
        {.field = MeteoField::Dire, .value = -2147483648.0, .taken = true},
        {.field = MeteoField::Dire, .value = 2147483648.0, .taken = false},
        {.field = MeteoField::Dire, .value = NAN, .taken = false},
        {.field = MeteoField::Phenomena, .value = 4294967295.0, .taken = true},
        {.field = MeteoField::Phenomena, .value = -1, .taken = false},
        {.field = MeteoField::Phenomena, .value = 5e10, .taken = false},
        {.field = MeteoField::Phenomena, .value = INFINITY, .taken = false},
    };
    for (const auto& c : cases) {
        MeteoData d;
        d.setValue(c.field, 7);
        EXPECT_EQ(d.setValue(c.field, c.value), c.taken) << fieldName(c.field) << " " << c.value;
        // A refused value leaves the field as it was.
        EXPECT_EQ(d.value(c.field), c.taken ? c.value : 7) << fieldName(c.field) << " " << c.value;
    }
    EXPECT_EQ(wholeNumberRange(MeteoField::Tend)->min, -128);
    EXPECT_EQ(wholeNumberRange(MeteoField::Phenomena)->max, 4294967295);
    EXPECT_FALSE(wholeNumberRange(MeteoField::Text));
}

TEST(DecimalInteger, DigitsWithAnOptionalMinusWithinInt) {
    EXPECT_EQ(parseDecimalInteger("15"), 15);
    EXPECT_EQ(parseDecimalInteger("-3"), -3);
    for (const char* bad : {"", " 3", "3x", "+3", "99999999999", "-"}) EXPECT_FALSE(parseDecimalInteger(bad)) << bad;
}

TEST(TextLines, EveryLineEndCounts) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (V{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), V{});
}

}  // namespace
}  // namespace skycrier
