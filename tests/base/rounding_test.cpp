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
        {MeteoField::Text, 1e30, true},           {MeteoField::Text, NAN, false},
        {MeteoField::Patm, -INFINITY, false},     {MeteoField::Tend, 127, true},
        {MeteoField::Tend, -128, true},           {MeteoField::Tend, 225, false},
        {MeteoField::Tend, 1.5, false},           {MeteoField::Dire, -2147483648.0, true},
        {MeteoField::Dire, 2147483648.0, false},  {MeteoField::Dire, NAN, false},
        {MeteoField::Phenomena, 4294967295.0, true}, {MeteoField::Phenomena, -1, false},
        {MeteoField::Phenomena, 5e10, false},     {MeteoField::Phenomena, INFINITY, false},
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
